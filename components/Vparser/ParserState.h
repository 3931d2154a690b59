#pragma once
// The settings and texts one expression parser works with: the members of a
// TVParser, or the plotter's private record. The parsing and evaluation code
// (ParserCore) runs on such a record and a tree root of its owner's choice.
#include <QString>

struct ParserState
{
    QString Expression;                  // working expression; normalised by CreateTree
    int Precision = 8;                   // significant digits of result texts (1..17)
    QString X, A, B, C, D;               // variable values, converted when read
    QString OverwriteDecimalSymbol;      // decimal mark to use; empty: the locale's
    bool ConvertAllColonsAndDots = false; // "." and "," both count as decimal mark
    QString LandDot;                     // decimal mark in use, set by InitLandDot
    // Text of the last result of Evaluate. Evaluate records the value with
    // the precision and decimal mark in force, and the text is written when
    // first read (ParserCore::resultText).
    mutable QString ErgebnisString;
    struct PendingResult
    {
        double value = 0; // the text shows no more than a double holds
        int precision = 8;
        char16_t dot = u'.';
        bool pending = false;
    };
    mutable PendingResult Pending;
    // A power that cannot be computed raises the parser's own message; the
    // plotter's copy has none and fails the point like any other error.
    bool PowerErrorMessage = true;
};
