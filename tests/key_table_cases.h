// The panel's keyboard navigation as its users know it, written once for the key table's unit test
// and for the window test that sends real key messages; independent of the code's own table.
#pragma once

namespace keycases {

// The key columns below: Tab, Enter, Space, Down, Up, Right, Left (virtual-key codes).
constexpr int kKeys[7] = {9, 13, 32, 40, 38, 39, 37};

// A target of PASS: the focus stays and the key goes on to the control's standard behaviour.
constexpr int PASS = 0;

// Where each navigation key moves the focus from one subclassed control.
struct KeyRow {
    int id;
    int target[7];
};

const KeyRow kKeyTable[] = {
    {110, {310, 310, 310, PASS, PASS, PASS, PASS}}, {120, {310, 310, 310, PASS, PASS, PASS, PASS}},
    {130, {310, 310, 310, PASS, PASS, PASS, PASS}}, {140, {310, 310, PASS, 310, 400, PASS, PASS}},
    {210, {310, 310, PASS, 310, 400, PASS, PASS}}, {220, {310, 310, PASS, 310, 400, PASS, PASS}},
    {230, {310, 310, PASS, 310, 400, PASS, PASS}}, {240, {310, 310, PASS, 310, 400, PASS, PASS}},
    {250, {310, 310, PASS, 310, 400, PASS, PASS}}, {260, {310, 310, PASS, 310, 400, PASS, PASS}},
    {270, {310, 310, PASS, 310, 400, PASS, PASS}}, {710, {310, 310, PASS, 310, 400, PASS, PASS}},
    {720, {310, 310, PASS, 310, 400, PASS, PASS}}, {310, {320, 320, 320, PASS, PASS, PASS, PASS}},
    {320, {330, 330, 330, 330, 310, PASS, PASS}}, {330, {340, 340, 340, 340, 320, PASS, PASS}},
    {340, {350, 350, 350, 350, 330, PASS, PASS}}, {350, {400, 400, 400, 400, 340, PASS, PASS}},
    {400, {310, 310, 310, 310, 350, PASS, PASS}}, {810, {820, 820, 820, 820, 340, 820, 340}},
    {820, {400, 400, 400, 400, 810, 400, 810}},
};

} // namespace keycases
