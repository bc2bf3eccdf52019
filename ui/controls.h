// Identifiers of the main window's 34 child controls (creation order) and of the recalculation command.
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

// Number of child controls of the main window.
constexpr int kControlCount = 34;

// Every control identifier in creation order.
constexpr int kControlIds[kControlCount] = {
    IDC_CHARA_GROUP, IDC_POWER, IDC_SPIN, IDC_CLUB, IDC_CRIMSON_RING,
    IDC_CONDITION_GROUP, IDC_RAIN, IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90,
    IDC_FAIRWAY_85, IDC_FAIRWAY_80, IDC_FAIRWAY_75,
    IDC_SITUATION_GROUP, IDC_WIND_POWER, IDC_DISTANCE, IDC_HEIGHT, IDC_DIRECTION, IDC_SLOPE,
    IDC_CALCULATE,
    IDC_TOMAHAWK_GROUP, IDC_TOMAHAWK_DRIFT, IDC_TOMAHAWK_SHOT,
    IDC_BACKSPIN_GROUP, IDC_BACKSPIN_DRIFT, IDC_BACKSPIN_SHOT,
    IDC_BEAM_GROUP, IDC_BEAM_6I, IDC_BEAM_9I, IDC_BEAM_DRIFT, IDC_BEAM_SHOT,
    IDC_NAVIGATION_GROUP, IDC_NAV_DIRECTION, IDC_NAV_SLOPE,
};

// True for the controls that get a subclass procedure (installed right after creation,
// after filling for a list): the lists, check boxes, radios, input fields and the button.
constexpr bool HasSubclassProcedure(int id)
{
    switch (id) {
    case IDC_POWER: case IDC_SPIN: case IDC_CLUB: case IDC_CRIMSON_RING:
    case IDC_RAIN: case IDC_FAIRWAY_100: case IDC_FAIRWAY_95: case IDC_FAIRWAY_90:
    case IDC_FAIRWAY_85: case IDC_FAIRWAY_80: case IDC_FAIRWAY_75:
    case IDC_WIND_POWER: case IDC_DISTANCE: case IDC_HEIGHT: case IDC_DIRECTION: case IDC_SLOPE:
    case IDC_CALCULATE: case IDC_BEAM_6I: case IDC_BEAM_9I:
    case IDC_NAV_DIRECTION: case IDC_NAV_SLOPE:
        return true;
    default:
        return false;
    }
}
