#pragma once
// The fonts a form names, as this machine can draw them. A font that is not
// installed is replaced by one with the same metrics where there is one
// (Liberation Sans for Arial, Liberation Serif for Times New Roman,
// Liberation Mono for Courier New, Carlito for Calibri), otherwise by the
// nearest of those; each replacement is remembered so that it can be told.
#include "extract/FormLayout.h"

#include <QFont>
#include <QMap>
#include <QString>

class FormFonts
{
public:
    QFont font(const FormFont &f);
    // The width in pixels of text drawn in f.
    int width(const FormFont &f, const QString &text);
    // Each font name not installed, with the family measured instead.
    const QMap<QString, QString> &standIns() const { return m_standIns; }

    // The family that stands in for name: a metric-compatible one, or for a
    // font without one the nearest (Liberation Sans for the sans-serif
    // dialog fonts).
    static QString standInFor(const QString &name);

private:
    QMap<QString, QString> m_standIns;
};
