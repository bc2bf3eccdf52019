// Identifiers of the main window's 34 child controls, in creation order: the dispatcher reads the
// inputs and writes the results by these numbers.
#pragma once

// Charactor group
constexpr int IDC_CHARA_GROUP = 100;
constexpr int IDC_POWER = 110;
constexpr int IDC_SPIN = 120;
constexpr int IDC_CLUB = 130;
constexpr int IDC_CRIMSON_RING = 140;

// Condition group (not stored in the settings file)
constexpr int IDC_CONDITION_GROUP = 200;
constexpr int IDC_RAIN = 210;
constexpr int IDC_FAIRWAY_100 = 220;
constexpr int IDC_FAIRWAY_95 = 230;
constexpr int IDC_FAIRWAY_90 = 240;
constexpr int IDC_FAIRWAY_85 = 250;
constexpr int IDC_FAIRWAY_80 = 260;
constexpr int IDC_FAIRWAY_75 = 270;

// Situation group
constexpr int IDC_SITUATION_GROUP = 300;
constexpr int IDC_WIND_POWER = 310;
constexpr int IDC_DISTANCE = 320;
constexpr int IDC_HEIGHT = 330;
constexpr int IDC_DIRECTION = 340;
constexpr int IDC_SLOPE = 350;

constexpr int IDC_CALCULATE = 400;

// Result groups: fields written only by the calculator
constexpr int IDC_TOMAHAWK_GROUP = 500;
constexpr int IDC_TOMAHAWK_DRIFT = 510;
constexpr int IDC_TOMAHAWK_SHOT = 520;
constexpr int IDC_BACKSPIN_GROUP = 600;
constexpr int IDC_BACKSPIN_DRIFT = 610;
constexpr int IDC_BACKSPIN_SHOT = 620;
constexpr int IDC_BEAM_GROUP = 700;
constexpr int IDC_BEAM_6I = 710;
constexpr int IDC_BEAM_9I = 720;
constexpr int IDC_BEAM_DRIFT = 730;
constexpr int IDC_BEAM_SHOT = 740;

// Navigation group: the dial and the mirrors of 340 and 350
constexpr int IDC_NAVIGATION_GROUP = 800;
constexpr int IDC_NAV_DIRECTION = 810;
constexpr int IDC_NAV_SLOPE = 820;
