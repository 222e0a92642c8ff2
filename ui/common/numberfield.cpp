#include "ui/common/numberfield.h"

#include "model/numberfit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace velmora {

namespace {

// A text shrinks to about two thirds of its size before it is rounded; 1/24 is one step.
constexpr double kSmallestScale = 2.0 / 3.0;
constexpr double kScaleStep = 1.0 / 24.0;
// Below this a digit is no longer told from its neighbour on screen.
constexpr double kSmallestPixels = 5.0;

QFont scaled(const QFont &font, double scale)
{
    QFont result = font;
    if (font.pixelSize() > 0)
        result.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    else
        result.setPointSizeF(font.pointSizeF() * scale);
    return result;
}

bool fits(const QString &text, const QFont &font, qreal width, const QPaintDevice *device)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    return metrics.horizontalAdvance(text) <= width;
}

double pixelSize(const QFont &font, const QPaintDevice *device)
{
    return (device ? QFontMetricsF(font, device) : QFontMetricsF(font)).height();
}

// The text in a smaller font, or rounded, in `width`; `full` is its width at the font's size.
FittedText fitSmaller(const QString &text, const QFont &font, qreal width,
                      const QPaintDevice *device, qreal full)
{
    // A text's width grows about in proportion to its size: start at the step it would need.
    const double needed = std::floor(width / full / kScaleStep) * kScaleStep;
    for (double scale = std::min(needed, 1.0 - kScaleStep); scale >= kSmallestScale - 1e-9;
         scale -= kScaleStep) {
        const QFont tried = scaled(font, scale);
        if (fits(text, tried, width, device))
            return {text, tried};
    }

    const QFont small = scaled(font, kSmallestScale);
    const std::string whole = text.toStdString();
    const auto fitsSmall = [&](const std::string &candidate) {
        return fits(QString::fromStdString(candidate), small, width, device);
    };
    if (const std::optional<std::string> rounded = fittingNumberText(whole, fitsSmall))
        return {QString::fromStdString(*rounded), small};

    if (significantDigits(whole) > 0) {
        // Not even one digit fits at two thirds: the one-digit form gets smaller still.
        const std::optional<std::string> one = roundedNumberText(whole, 1);
        const QString shortest = one ? QString::fromStdString(*one) : text;
        for (double scale = kSmallestScale - kScaleStep;; scale -= kScaleStep) {
            const QFont tried = scaled(font, scale);
            if (fits(shortest, tried, width, device))
                return {shortest, tried};
            if (scale <= kScaleStep || pixelSize(tried, device) < kSmallestPixels)
                break;
        }
    }
    // A number too wide even so, or a word: cut, with the ellipsis saying so.
    const QFontMetricsF smallMetrics =
        device ? QFontMetricsF(small, device) : QFontMetricsF(small);
    return {smallMetrics.elidedText(text, Qt::ElideRight, width), small};
}

} // namespace

FittedText fitFieldText(const QString &text, const QFont &font, qreal width,
                        const QPaintDevice *device, int inset)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const qreal full = metrics.horizontalAdvance(text);
    if (full <= width)
        return {text, font};
    FittedText fitted = fitSmaller(text, font, std::max<qreal>(width - 2 * inset, 0), device, full);
    fitted.inset = inset;
    return fitted;
}

const FittedText &FittedCache::get(const QString &newText, const QFont &newFont,
                                   qreal newWidth, const QPaintDevice *device, int newInset)
{
    if (newWidth != width || newText != text || newFont != font || newInset != inset) {
        fitted = fitFieldText(newText, newFont, newWidth, device, newInset);
        text = newText;
        font = newFont;
        width = newWidth;
        inset = newInset;
    }
    return fitted;
}

NumberField::NumberField(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &NumberField::refresh);
}

bool NumberField::atRest() const
{
    return isReadOnly() || !hasFocus();
}

QRect NumberField::textBox() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // A narrow cell lends the number one of the two pixels a line edit keeps on each side.
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(1, 0, -1, 0);
}

FittedText NumberField::shown() const
{
    // A smaller font gives back the pixel lent to a narrow cell: its ink keeps 2 px from the
    // frame, as in a line edit.
    return m_cache.get(text(), font(), textBox().width(), this, 1);
}

void NumberField::refresh()
{
    const QString whole = text();
    const QString tip = shown().text == whole ? QString() : whole;
    if (toolTip() != tip)
        setToolTip(tip);
    update();
}

void NumberField::paintEvent(QPaintEvent *event)
{
    if (!atRest()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const FittedText fitted = shown();
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::Text));
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    painter.drawText(textBox().adjusted(fitted.inset, 0, -fitted.inset, 0),
                     int(horizontal | Qt::AlignVCenter), fitted.text);
}

void NumberField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    refresh();
}

void NumberField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        refresh();
}

void NumberField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Typing shows the text as typed, from its end, where the cursor is.
    if (!isReadOnly())
        update();
}

void NumberField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

NumberLabel::NumberLabel(QWidget *parent) : QLabel(parent) {}

void NumberLabel::setFigure(const QString &figure)
{
    setText(figure);
    refresh();
}

FittedText NumberLabel::shown() const
{
    return m_cache.get(text(), font(), contentsRect().width() - 2 * margin(), this);
}

QSize NumberLabel::minimumSizeHint() const
{
    // Any room will do: what does not fit is shrunk or rounded, never cut.
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')), QLabel::minimumSizeHint().height()};
}

void NumberLabel::refresh()
{
    const QString whole = text();
    const QString tip = shown().text == whole ? QString() : whole;
    if (toolTip() != tip)
        setToolTip(tip);
    update();
}

void NumberLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const FittedText fitted = shown();
    painter.setFont(fitted.font);
    painter.setPen(palette().color(foregroundRole()));
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.drawText(box, int(QStyle::visualAlignment(layoutDirection(), alignment())),
                     fitted.text);
}

void NumberLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void NumberLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refresh();
}

} // namespace velmora
