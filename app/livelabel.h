#pragma once

#include <QLabel>

// A label a Herald follows: it says when its text really changes. QLabel has no such signal, so setText() and clear()
// are hidden here; calls through a QLabel pointer bypass them, which is why the .ui files name this class for the
// lines that carry news.
class LiveLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setText(const QString& text);
    void clear() { setText(QString()); }

signals:
    void textChanged();
};
