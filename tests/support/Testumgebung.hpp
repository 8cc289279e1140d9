// Shared fixture: a fresh headless screen, German texts with a decimal point, an empty dive.
// CTest runs every test in a process of its own, so module state starts from its initial values;
// run a test executable directly with --gtest_filter for one test at a time.
#pragma once

#include "lang/Unit_UI.hpp"

#include <gtest/gtest.h>

class Testumgebung : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The messages shown so far.
    Unit_UI::Headless Oberflaeche;
};
