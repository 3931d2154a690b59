#pragma once
// Whether each translated caption fits its control: measured with the
// control's font (by a measure the caller gives: the painting library's),
// plus the control's margin, against its Width. Controls that grow with
// their text are left out (hasFixedWidth).
#include "extract/FormLayout.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

namespace FitCheck {

// The width in pixels of text drawn in font.
using Measure = std::function<int(const FormFont &font, const QString &text)>;

struct Fit
{
    int control = 0; // index in the layout
    QString text;    // the caption as drawn (accelerators taken out)
    int needs = 0;   // pixels: the text's widest line and the margin
    bool fits = true;
};

// One Fit per control with a fixed width and a caption in captions (by the
// control's name), in layout order.
std::vector<Fit> measure(const std::vector<FormControl> &layout, const QHash<QString, QString> &captions,
                         const Measure &width);

// The captions among a language's form texts (property paths
// Root->Control->Caption and Root->Caption -> text), by control or form name.
QHash<QString, QString> captionsOf(const QHash<QString, QString> &formTexts);

} // namespace FitCheck
