// Shared fixture: a fresh headless screen, German texts with a decimal point, an empty dive.
#pragma once

#include "core/Unit_UI.hpp"

#include <gtest/gtest.h>

class Testumgebung : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The messages shown so far.
    Unit_UI::Headless Oberflaeche;
};
