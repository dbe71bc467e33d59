#pragma once

#include <QFont>
#include <QObject>

class QWidget;

// Keeps the text of a label, button or read-only text box whole. Its font is
// the one it was designed with, times the window's scale, at most; where the
// text would be cut at that size, it is drawn smaller until it fits. The text
// is measured with the face that will draw it, so this holds whatever face the
// system substitutes. A box a person types into only scales: a long entry
// scrolls there as usual, and only the height is fitted.
class TextFit : public QObject
{
    Q_OBJECT

public:
    // Fits the widget's text from now on; its present font is its design font.
    static TextFit *attach(QWidget *widget);
    // The fit attached to a widget, or nullptr.
    static TextFit *of(const QWidget *widget);

    // The font the design gives the widget, in place of the one it had.
    void setDesignFont(const QFont &font);

    // The design size times factor becomes the largest size.
    void setScale(qreal factor);
    // Measures again, as after a change of text that sends no event (QLabel).
    void refit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TextFit(QWidget *widget);

    QWidget *widget_;
    QFont design_;
    qreal scale_ = 1;
};
