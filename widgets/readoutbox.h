#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <QString>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <optional>

class QStyleOptionFrame;

// A read-only, single-line text box for a readout: it shows one short text
// centred, and a person can select and copy it by mouse and keyboard, as in
// a read-only QLineEdit. Unlike QLineEdit, which lays its text out whenever
// the text changes, it lays the text out when it is painted or pointed at: a
// readout changes at every keystroke, and laying the text out there cost
// more than all the rest the keystroke does.
class ReadoutBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

public:
    explicit ReadoutBox(QWidget *parent = nullptr);

    QString text() const { return text_; }
    // Puts the cursor after the text, with nothing selected.
    void setText(const QString &text);

    bool hasFrame() const { return frame_; }
    void setFrame(bool frame);

    int cursorPosition() const { return cursor_; }
    int selectionStart() const { return std::min(anchor_, cursor_); }
    int selectionEnd() const { return std::max(anchor_, cursor_); }
    bool hasSelectedText() const { return anchor_ != cursor_; }
    QString selectedText() const;
    // From anchor to cursor, each clamped to the text.
    void select(int anchor, int cursor);
    void selectAll();
    void copy() const;

    // Where the text is drawn: inside the frame, with a line edit's margins.
    QRect textRect() const;
    // The place of a character and the character at a place, in the box.
    QRect characterRect(int offset) const;
    int offsetAt(QPointF point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initStyleOption(QStyleOptionFrame *option) const;
    const QTextLayout &laidOut() const;
    QPointF textOrigin() const;
    // The cursor's place after a key that moves it, or -1 for another key.
    int movedCursor(const QKeyEvent *event, bool *selecting) const;

    // Puts a selection where the system lets the middle button paste it.
    void offerSelection() const;

    QString text_;
    bool frame_ = true;
    QElapsedTimer doubleClicked_;
    QPointF doubleClickedAt_;
    int anchor_ = 0;
    int cursor_ = 0;
    mutable std::optional<QTextLayout> layout_;
};
