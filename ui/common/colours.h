#pragma once

class QColor;
class QWidget;

// Text and background colours of a label or field, painted on its own background.
void setColours(QWidget *widget, const QColor &text, const QColor &background);
