#pragma once
// A text file of [sections] and key=value lines. Sections and keys are found
// without regard to case; the order of the file is kept. Every write goes to disk
// at once; a file that cannot be written raises platform::Error naming the file.
#include <QList>
#include <QPair>
#include <QString>

namespace platform {

class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    bool sectionExists(const QString &section) const;
    QList<QPair<QString, QString>> section(const QString &section) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    // Several keys of one section written together (one write to disk).
    void writeSection(const QString &section, const QList<QPair<QString, QString>> &values);

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    void load();
    void save() const;
    Section *find(const QString &name);
    const Section *find(const QString &name) const;
    void set(const QString &section, const QString &key, const QString &value);

    QString m_path;
    QList<Section> m_sections;
};

} // namespace platform
