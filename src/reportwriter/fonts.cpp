#include "reportwriter/fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace reportwriter {

namespace {

bool installed(const QString &family)
{
    static QHash<QString, bool> cache;
    const QString key = family.toLower();
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    bool found = false;
    for (const QString &f : QFontDatabase::families()) {
        if (f.compare(family, Qt::CaseInsensitive) == 0) {
            found = true;
            break;
        }
    }
    cache.insert(key, found);
    return found;
}

bool isThaiWindowsFace(const QString &family)
{
    static const QStringList faces{QStringLiteral("AngsanaUPC"), QStringLiteral("EucrosiaUPC"),
                                   QStringLiteral("Angsana New"), QStringLiteral("BrowalliaUPC"),
                                   QStringLiteral("CordiaUPC"), QStringLiteral("Cordia New"),
                                   QStringLiteral("Browallia New"), QStringLiteral("DilleniaUPC")};
    return faces.contains(family, Qt::CaseInsensitive);
}

QString thaiSubstitute()
{
    static const QString chosen = [] {
        if (installed(QStringLiteral("Norasi")))
            return QStringLiteral("Norasi");
        const QStringList thai = QFontDatabase::families(QFontDatabase::Thai);
        return thai.isEmpty() ? QString() : thai.first();
    }();
    return chosen;
}

} // namespace

bool isSubstituted(const QString &family)
{
    return isThaiWindowsFace(family) && !installed(family) && !thaiSubstitute().isEmpty();
}

QString resolveFontFamily(const QString &family)
{
    return isSubstituted(family) ? thaiSubstitute() : family;
}

QFont makeFont(const FontSpec &spec)
{
    const bool substituted = isSubstituted(spec.family);
    QFont f(substituted ? thaiSubstitute() : spec.family);
    f.setPointSizeF(substituted ? spec.pointSize * kSubstituteScale : spec.pointSize);
    f.setBold(spec.bold);
    f.setUnderline(spec.underline);
    f.setItalic(spec.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

} // namespace reportwriter
