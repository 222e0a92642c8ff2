#pragma once

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>

class QPaintDevice;

namespace velmora {

// What a box shows of its text, and in which font.
struct FittedText {
    QString text;
    QFont font;
    int inset = 0; // pixels kept clear on each side of the box
};

// The fitting a box last made, kept while its text, width and font stay the same.
struct FittedCache {
    QString text;
    qreal width = -1;
    QFont font;
    int inset = 0;
    FittedText fitted;

    const FittedText &get(const QString &text, const QFont &font, qreal width,
                          const QPaintDevice *device, int inset = 0);
};

// Fits a field's text into `width` pixels, measured as drawn on `device`, never cutting a number:
// the whole text at the font's size, else the whole text in a font shrunk in steps down to about
// two thirds, else the number rounded to as many significant digits as fit at that size. Only a
// one-digit form too wide even then shrinks further. A text that is no number and does not fit
// at two thirds ends in an ellipsis. A text that needs a smaller font is fitted `inset` pixels
// in from each side: the longest such texts fill their room, and their ink would touch a frame.
FittedText fitFieldText(const QString &text, const QFont &font, qreal width,
                        const QPaintDevice *device, int inset = 0);

// A one-line field of a number. At rest it paints its text as fitFieldText fits it; while the
// user types in it, it shows the text as typed. text() and the accessible value stay the whole
// text, and where the field shows less, so does the tool tip.
class NumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // What the field paints at rest, and in which font.
    FittedText shown() const;
    // The box the text is painted in.
    QRect textBox() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool atRest() const;
    void refresh();

    mutable FittedCache m_cache;
};

// A label that shows one figure, fitted as NumberField fits its text. text() stays the whole
// figure; where less is shown, the tool tip holds the whole figure. It asks its layout for the
// room of the whole figure but makes do with less.
class NumberLabel : public QLabel {
    Q_OBJECT

public:
    explicit NumberLabel(QWidget *parent = nullptr);

    // Shows a figure; an empty one clears the label.
    void setFigure(const QString &figure);
    FittedText shown() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    mutable FittedCache m_cache;
};

} // namespace velmora
