#include "inifile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "error.h"

namespace platform {

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    load();
}

void IniFile::load()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    Section *current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            current = find(name);
            if (!current) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || !current)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        bool replaced = false;
        for (auto &entry : current->entries) {
            if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
                entry.second = value;
                replaced = true;
            }
        }
        if (!replaced)
            current->entries.append({key, value});
    }
}

void IniFile::save() const
{
    QString text;
    for (const Section &s : m_sections) {
        text += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const auto &entry : s.entries)
            text += entry.first + QLatin1Char('=') + entry.second + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw Error(QStringLiteral("Unable to write to %1").arg(m_path));
}

IniFile::Section *IniFile::find(const QString &name)
{
    for (Section &s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const IniFile::Section *IniFile::find(const QString &name) const
{
    return const_cast<IniFile *>(this)->find(name);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    if (const Section *s = find(section))
        for (const auto &entry : s->entries)
            if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
                return entry.second;
    return defaultValue;
}

bool IniFile::sectionExists(const QString &section) const
{
    return find(section) != nullptr;
}

QList<QPair<QString, QString>> IniFile::section(const QString &section) const
{
    const Section *s = find(section);
    return s ? s->entries : QList<QPair<QString, QString>>{};
}

void IniFile::set(const QString &section, const QString &key, const QString &value)
{
    Section *s = find(section);
    if (!s) {
        m_sections.append({section, {}});
        s = &m_sections.last();
    }
    for (auto &entry : s->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    }
    s->entries.append({key, value});
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const auto before = m_sections;
    set(section, key, value);
    try {
        save();
    } catch (...) {
        m_sections = before;
        throw;
    }
}

void IniFile::writeSection(const QString &section, const QList<QPair<QString, QString>> &values)
{
    const auto before = m_sections;
    for (const auto &v : values)
        set(section, v.first, v.second);
    try {
        save();
    } catch (...) {
        m_sections = before;
        throw;
    }
}

} // namespace platform
