#pragma once
// A form drawn as people would see it, for those who would rather look than
// read: each control a box at its Left, Top, Width and Height (inside its
// owner), its caption in its font, and a caption that does not fit its
// control outlined in red.
#include "preview/FormFonts.h"
#include "translate/FitCheck.h"

#include <QImage>

QImage drawForm(const std::vector<FormControl> &layout, const QHash<QString, QString> &captions,
                const std::vector<FitCheck::Fit> &fits, FormFonts &fonts);
