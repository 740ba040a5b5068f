#pragma once

// The three shape families of hollow section the calculator offers.
enum class SectionFamily
{
    Square,
    Rectangular,
    Round
};
