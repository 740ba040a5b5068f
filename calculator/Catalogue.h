#pragma once

// The catalogue: the fixed tables of structural hollow sections from which the calculator
// takes the mass per metre of the size the user picks.
//
// There is one table per shape family. Row k of a family is item k of the size drop-down, so the
// value always comes from the row index, never from parsing the designation. Each mass per metre
// is the nearest 80-bit extended value of the decimal printed in the table (3.41 is held as
// 3.41L, biased exponent 0x4000, significand 0xDA3D70A3D70A3D71).

#include <span>
#include <string_view>

enum class ShapeFamily
{
    Square,
    Rectangular,
    Round
};

struct CatalogueRow
{
    // Shown character for character in the drop-down: family prefix ("SQ", "REC" or "D"), one
    // space, the size in millimetres, two spaces, "t=" and the wall thickness in millimetres.
    // ASCII only.
    std::string_view designation;
    // Mass of one metre of the section, in kg/m.
    long double massPerMetre;
};

// The rows of one family in catalogue order: 58 square, 56 rectangular, 72 round rows. The span
// refers to static storage and stays valid for the whole run.
std::span<const CatalogueRow> catalogueRows(ShapeFamily family);
