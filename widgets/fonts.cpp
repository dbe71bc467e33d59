#include "widgets/fonts.h"

#include <QStringList>

namespace {

void registerSubstitutes()
{
    static const bool done = [] {
        const QStringList sans = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")};
        const QStringList serif
            = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                QStringLiteral("Times"), QStringLiteral("DejaVu Serif")};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
        QFont::insertSubstitutions(QStringLiteral("MS Serif"), serif);
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

QFont designFont(const QString &family, qreal points)
{
    registerSubstitutes();
    QFont font(family);
    font.setStyleHint(family.contains(QLatin1String("Sans")) ? QFont::SansSerif : QFont::Serif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}
