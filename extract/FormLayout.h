#pragma once
// Where a form description puts its controls, and in which font:
//   object Form1: TForm1          Left, Top, Width, Height (ClientWidth and
//     Font.Height = -11           ClientHeight for the form), AutoSize,
//     Font.Name = 'Tahoma'        WordWrap, Font.Name, Font.Height (or
//     object Button1: TButton     Font.Size in points), Font.Style
//       Left = 8 ...
// A control without Font.* of its own uses its parent's font. Lists,
// collections and binary blocks are passed over. One pass over the lines.
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

struct FormFont
{
    QString name;
    int pixels = 0; // the character height: Font.Height -11 -> 11, Font.Size 8 -> 11
    bool bold = false, italic = false, underline = false, strikeOut = false;
};

struct FormControl
{
    QString name, className;
    int parent = -1; // index of the owning control; -1 for the form
    int left = 0, top = 0, width = 0, height = 0;
    bool hasWidth = false;
    std::optional<bool> autoSize;
    bool wordWrap = false;
    FormFont font;
};

// The form first, then each control in the order of the description.
std::vector<FormControl> readFormLayout(QStringView page);

// Whether a caption must fit the control's Width: it has one, is not the
// form (whose caption is the title bar), does not grow with its text
// (AutoSize on, by default for TLabel and TStaticText) and does not wrap.
bool hasFixedWidth(const FormControl &control, bool isForm);

// What a control needs besides its caption's width: the frame and margins of
// a button, the box of a check box ... 0 for the others.
int captionMargin(const QString &className);

// The caption as drawn: "&&" is "&", any other "&" marks the accelerator.
QString shownCaption(const QString &caption);
