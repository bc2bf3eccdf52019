// The values of one calculation and the result of one shot model.
#pragma once

// Inputs of one calculation, in the order every shot model receives them.
struct ShotInputs {
    int power = 0;        // P: effective power (Power text + 2 with the Crimson Ring)
    int spin = 0;         // game value; read by no model
    int fairway = 100;    // F: fairway percent, minus 2 with rain
    int windPower = 0;    // V
    double distance = 0;  // d, yards
    double height = 0;    // h, metres
    double direction = 0; // dir, degrees counter-clockwise from rightward
    double slope = 0;     // s, slope units (one unit is drawn as 5 degrees)
    bool crimsonRing = false;
};

// What one model answers: drift in yards, shot in percent, and their display texts.
// valid is false only when a model was called with inputs it cannot serve
// (a power outside the shot table); drift and shot are then NaN and both texts "error".
struct ShotResult {
    double drift = 0;
    double shot = 0;
    char driftText[16] = {};
    char shotText[16] = {};
    bool valid = true;
};

// A shot model: a pure function from one situation to one result.
using ShotModel = ShotResult (*)(const ShotInputs&);
