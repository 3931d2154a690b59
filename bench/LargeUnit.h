#pragma once
// A unit of the given number of lines with 2.4 literals a line on average,
// some with escapes: the large page of the Find Next and command-line
// benchmarks (100,000 lines make 11 MB and 240,000 literals).
#include <QString>

#include <algorithm>

inline QString largeUnit(int lines, int *literals)
{
    const QString templates[] = {
        QStringLiteral("    Label%1->Caption = \"Caption of label %1\"; Label%1->Hint = \"Hint %1\";"),
        QStringLiteral("    ShowMessage(\"Record \" + IntToStr(%1) + \" of \\\"%1\\\" saved in \" + Path + \"C:\\\\Data\\\\\");"),
        QStringLiteral("    for (int i%1 = 0; i%1 < Count; ++i%1) Total += Price[i%1] * Amount[i%1]; // sum up"),
        QStringLiteral("    s%1 = \"a\" + \"b\" + \"\" + \"Text %1\"; t%1 = x%1 + y%1 * z%1 - w%1 / v%1 + 1;"),
        QStringLiteral("    Query%1->SQL->Add(\"SELECT * FROM T%1\"); Query%1->ParamByName(\"Id\")->AsString = \"%1\";"),
    };
    const int perTemplate[] = {2, 3, 0, 4, 3};
    QString text;
    text.reserve(qsizetype(lines) * 112);
    *literals = 0;
    for (int i = 0; i < lines; ++i) {
        const int t = i % 5;
        QString line = templates[t].arg(i);
        line += QString(std::max(0, 108 - int(line.size())), u' ');
        text += line + QStringLiteral("\r\n");
        *literals += perTemplate[t];
    }
    return text;
}

// A unit of the given number of lines whose texts repeat, as real code's
// do: a few short words ("OK", "Cancel", "Error") over and over.
inline QString repeatedTextsUnit(int lines, int *literals)
{
    const QString templates[] = {
        QStringLiteral("    Button%1->Caption = \"OK\"; Cancel%1->Caption = \"Cancel\";"),
        QStringLiteral("    if (!Save%1()) ShowMessage(\"Error\"); else Status->SimpleText = \"Saved\";"),
        QStringLiteral("    Grid%1->Cells[0][%1] = \"Name\"; Grid%1->Cells[1][%1] = \"Price\";"),
        QStringLiteral("    Total%1 += Amount%1 * Price%1; // no text here"),
    };
    const int perTemplate[] = {2, 2, 2, 0};
    QString text;
    *literals = 0;
    for (int i = 0; i < lines; ++i) {
        text += templates[i % 4].arg(i) + QStringLiteral("\r\n");
        *literals += perTemplate[i % 4];
    }
    return text;
}
