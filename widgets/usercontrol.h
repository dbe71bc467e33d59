#pragma once

#include <QRect>
#include <QWidget>

// The base of the calculator's components: a composite widget that knows its
// inner size in twips exactly as its host set it, and lays out its children
// in layoutChildren() on every change of that size, the first sizing included.
class UserControl : public QWidget
{
public:
    explicit UserControl(QWidget *parent = nullptr);

    // Position and size in twips relative to the parent. A change of size runs
    // the layout; a run-time error from it propagates to the caller.
    void setTwipsGeometry(int left, int top, int width, int height);
    QRect twipsGeometry() const { return twips_; }

    // Inner size in twips, single precision as the layouts compute with it.
    float twipsWidth() const { return static_cast<float>(twips_.width()); }
    float twipsHeight() const { return static_cast<float>(twips_.height()); }

    // The component's focusable widgets in their tab order, so that a host can
    // chain components into one keyboard order.
    virtual QList<QWidget *> tabOrder() const = 0;

    // Moves a child, typically the outermost frame, to cover the component.
    void cover(QWidget *child) const;

protected:
    virtual void layoutChildren() = 0;

    // For the constructor of a concrete component: take the component's own
    // design size and lay out at it, as a freshly created component would be.
    void initTwipsSize(int width, int height);

    void resizeEvent(QResizeEvent *event) override;

private:
    QRect twips_;
};

// Chains widgets into one keyboard focus order, in the order given.
void chainTabOrder(const QList<QWidget *> &widgets);
