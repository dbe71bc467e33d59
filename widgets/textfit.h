#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QObject>
#include <QSizeF>
#include <QString>

class QWidget;

// Keeps the text of a label, button or read-only text box whole. Its font is
// the one it was designed with, times the window's scale, at most; where the
// text would be cut at that size, it is drawn smaller until it fits. The text
// is measured with the face that will draw it, so this holds whatever face the
// system substitutes. A box a person types into only scales: a long entry
// scrolls there as usual, and only the height is fitted.
//
// Nothing is measured before the host has placed the widget (setScale) or
// the widget is shown, and a box, text and size measured once are not
// measured again.
class TextFit : public QObject
{
    Q_OBJECT

public:
    // Fits the widget's text from now on; its present font is its design
    // font at the host's opening scale.
    static TextFit *attach(QWidget *widget);
    // The fit attached to a widget, or nullptr.
    static TextFit *of(const QWidget *widget);

    // The factor at which a window makes its children, with its own font
    // already at that size: each fit attached below it then takes the font
    // it inherits as its design font times that factor, and no text is laid
    // out at a size the window will not show.
    static void setOpeningScale(QWidget *window, qreal factor);

    // The font the design gives the widget, in place of the one it had.
    void setDesignFont(const QFont &font);

    // The design size times factor becomes the largest size. The host calls
    // refit() once it has placed the widget at that scale; a widget resized
    // in between fits by itself.
    void setScale(qreal factor);
    // Measures again, as after a change of text that sends no event (QLabel).
    void refit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Room
    {
        QString text;
        QSizeF size;
        bool wraps = false;
        bool widthCounts = true;
        bool operator==(const Room &) const = default;
    };

    explicit TextFit(QWidget *widget, qreal openingScale);
    Room measureRoom() const;
    void setLargestFont();
    void fit(const Room &room);
    static bool fits(const Room &room, const QFontMetricsF &metrics);
    bool surelyFitsLargest(const Room &room);

    QWidget *widget_;
    QFont design_;
    qreal designScale_;
    qreal scale_;
    bool placed_ = false;

    // The design font at the present scale, its metrics and the advances of
    // the characters measured in it so far.
    QFont largest_;
    QFontMetricsF largestMetrics_;
    QHash<char16_t, qreal> advances_;

    bool fitted_ = false;
    Room fittedRoom_;
};
