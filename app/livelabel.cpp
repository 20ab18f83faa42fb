#include "app/livelabel.h"

void LiveLabel::setText(const QString& text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    emit textChanged();
}
