// Tests of the panel's key table: focus target and consumption for every subclassed control and key.
#include <gtest/gtest.h>

#include "controls.h"
#include "key_table.h"
#include "key_table_cases.h"

namespace {

constexpr int kColumns[7] = {kKeyTab, kKeyEnter, kKeySpace, kKeyDown, kKeyUp, kKeyRight, kKeyLeft};
using keycases::kKeyTable;
using keycases::KeyRow;
using keycases::PASS;

TEST(KeyTable, EveryControlAndKey)
{
    for (const KeyRow& row : kKeyTable) {
        for (int column = 0; column < 7; ++column) {
            const KeyAction action = NavigationKey(row.id, kColumns[column]);
            EXPECT_EQ(action.target, row.target[column])
                << "control " << row.id << " key " << kColumns[column];
        }
    }
}

TEST(KeyTable, OnlyTheButtonsEnterAndSpaceRecalculate)
{
    for (const KeyRow& row : kKeyTable) {
        for (int key : kColumns) {
            const bool expected = row.id == IDC_CALCULATE && (key == kKeyEnter || key == kKeySpace);
            EXPECT_EQ(NavigationKey(row.id, key).thenCalc, expected) << "control " << row.id << " key " << key;
        }
    }
}

TEST(KeyTable, OtherKeysPass)
{
    // Esc, letters, digits, Shift (16), Home (36), Delete (46), F1 (112): not navigation keys.
    const int keys[] = {kKeyEscape, 'A', '0', 16, 36, 46, 112, 0, 255};
    for (const KeyRow& row : kKeyTable) {
        for (int key : keys) {
            EXPECT_EQ(NavigationKey(row.id, key).target, PASS) << "control " << row.id << " key " << key;
        }
    }
}

TEST(KeyTable, ControlsWithoutProcedurePass)
{
    for (int id : kControlIds) {
        if (HasSubclassProcedure(id)) {
            continue;
        }
        EXPECT_EQ(ProcedureOf(id), ControlProcedure::None) << id;
        for (int key : kColumns) {
            EXPECT_EQ(NavigationKey(id, key).target, PASS) << "control " << id << " key " << key;
        }
    }
    EXPECT_EQ(NavigationKey(0, kKeyTab).target, PASS);
    EXPECT_EQ(NavigationKey(-1, kKeyTab).target, PASS);
}

TEST(KeyTable, ForwardCycleReturnsToWindPower)
{
    // Tab walks 310, 320, 330, 340, 350, 400 and back to 310; so do Enter and Down (from 320 on).
    const int cycle[] = {310, 320, 330, 340, 350, 400, 310};
    for (int key : {kKeyTab, kKeyEnter}) {
        int id = cycle[0];
        for (int step = 1; step < 7; ++step) {
            id = NavigationKey(id, key).target;
            EXPECT_EQ(id, cycle[step]) << "key " << key << " step " << step;
        }
    }
}

TEST(KeyTable, UpWalksBackAndStopsAtWindPower)
{
    int id = IDC_CALCULATE;
    const int back[] = {350, 340, 330, 320, 310};
    for (int expected : back) {
        id = NavigationKey(id, kKeyUp).target;
        EXPECT_EQ(id, expected);
    }
    // Up in the wind power list changes its selection instead.
    EXPECT_EQ(NavigationKey(IDC_WIND_POWER, kKeyUp).target, PASS);
}

TEST(KeyTable, ProceduresOfTheTenKinds)
{
    struct Expect {
        int id;
        ControlProcedure procedure;
    };
    const Expect expected[] = {
        {110, ControlProcedure::CharaCombo},       {120, ControlProcedure::CharaCombo},
        {130, ControlProcedure::CharaCombo},       {140, ControlProcedure::OptionButton},
        {210, ControlProcedure::OptionButton},     {220, ControlProcedure::OptionButton},
        {230, ControlProcedure::OptionButton},     {240, ControlProcedure::OptionButton},
        {250, ControlProcedure::OptionButton},     {260, ControlProcedure::OptionButton},
        {270, ControlProcedure::OptionButton},     {710, ControlProcedure::OptionButton},
        {720, ControlProcedure::OptionButton},     {310, ControlProcedure::WindCombo},
        {320, ControlProcedure::DistanceEdit},     {330, ControlProcedure::HeightEdit},
        {340, ControlProcedure::DirectionEdit},    {350, ControlProcedure::SlopeEdit},
        {400, ControlProcedure::CalcButton},       {810, ControlProcedure::NavDirectionEdit},
        {820, ControlProcedure::NavSlopeEdit},
    };
    for (const Expect& e : expected) {
        EXPECT_EQ(ProcedureOf(e.id), e.procedure) << e.id;
        EXPECT_TRUE(HasSubclassProcedure(e.id)) << e.id;
    }
    int subclassed = 0;
    for (int id : kControlIds) {
        subclassed += ProcedureOf(id) != ControlProcedure::None;
    }
    EXPECT_EQ(subclassed, 21);
}

TEST(KeyTable, MirrorPairs)
{
    EXPECT_EQ(MirrorTarget(IDC_DIRECTION), IDC_NAV_DIRECTION);
    EXPECT_EQ(MirrorTarget(IDC_NAV_DIRECTION), IDC_DIRECTION);
    EXPECT_EQ(MirrorTarget(IDC_SLOPE), IDC_NAV_SLOPE);
    EXPECT_EQ(MirrorTarget(IDC_NAV_SLOPE), IDC_SLOPE);
    for (int id : kControlIds) {
        if (id != 340 && id != 350 && id != 810 && id != 820) {
            EXPECT_EQ(MirrorTarget(id), 0) << id;
        }
    }
}

TEST(KeyTable, RegressionNavigationPairLeadsBackIntoCycle)
{
    // Right in 810 moves to 820, Left in 820 back to 810, Left in 810 up to 340.
    EXPECT_EQ(NavigationKey(IDC_NAV_DIRECTION, kKeyRight).target, IDC_NAV_SLOPE);
    EXPECT_EQ(NavigationKey(IDC_NAV_SLOPE, kKeyLeft).target, IDC_NAV_DIRECTION);
    EXPECT_EQ(NavigationKey(IDC_NAV_DIRECTION, kKeyLeft).target, IDC_DIRECTION);
    // Space on a check box toggles it rather than moving on.
    EXPECT_EQ(NavigationKey(IDC_CRIMSON_RING, kKeySpace).target, PASS);
}

} // namespace
