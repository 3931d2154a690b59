#pragma once
// The text values of a form description, each read whole:
//   object Form1: TForm1                      objects nest: object, inherited, inline ... end
//     Caption = 'It''s mine'                  '' is one apostrophe
//     Hint = 'Rezeptbuch '#8211' K'#252'che'  #nnn and #$hh are character codes
//     Text = 'first part ' +                  + continues on the next line
//       'second part'
//     Items.Strings = (                       a list: one value per item, indexed
//       'one'
//       'two')
//     Columns = <                             a collection: its items indexed
//       item
//         Caption = 'Name'
//       end>
//     Picture.Data = {0A0B...}                binary blocks are skipped
// One pass, linear in the page's length.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

struct FormValue
{
    int start = 0; // the first piece's first character
    int end = 0;   // one past the last piece
    int line = 0;  // 0-based line of the property's name
    QString text;  // the value, decoded
    // The property's path below the root object: the owning object (none
    // for the root's own properties), then the property's parts, a list or
    // collection index on the part it belongs to:
    //   {"Label1", "Caption"}   {"Caption"}   {"ListBox1", "Items", "Strings[1]"}
    //   {"ListView1", "Columns", "Items[0]", "Caption"}
    QStringList path;
};

std::vector<FormValue> readFormValues(QStringView page);

// Whether a property holds no display text (its path's parts): names, font
// names, help keywords and files, data fields, SQL and file names. Hint and
// every other property are display text.
bool isNonDisplayProperty(const QStringList &path);

// value as a C++ string literal: "\"" and "\\" escaped, control characters
// as escapes, everything else as it is.
QString cppStringLiteral(const QString &value);
