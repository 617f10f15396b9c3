#pragma once
// A report layout as plain data: page set-up, bands and the items on them.
// Every length is in inches. Items sit relative to the top-left corner of the
// printable area (inside the margins), so changing a margin at run time moves
// every item by the same amount.
#include <QList>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

namespace reportwriter {

class BandEvent;

struct PageSetup
{
    enum class Orientation { Portrait, Landscape };

    QSizeF paper{8.27, 11.69};   // width × length as the paper is loaded (portrait), inches
    Orientation orientation = Orientation::Portrait;
    double topMargin = 0.39;
    double bottomMargin = 0.39;
    double leftMargin = 0.39;
    double rightMargin = 0.39;

    static PageSetup a4();                                           // 210 × 297 mm, 10 mm margins
    static PageSetup customInches(double width, double length);      // continuous forms
    static double mm(double millimetres) { return millimetres / 25.4; }
    void setMarginsMillimetres(double top, double bottom, double left, double right);
    void setMargins(double top, double bottom, double left, double right);

    QSizeF pageSize() const;          // as printed: width and length swapped in landscape
    double printableWidth() const;
    double printableHeight() const;
};

struct FontSpec
{
    QString family = QStringLiteral("AngsanaUPC");
    double pointSize = 14;
    bool bold = false;
    bool underline = false;
    bool italic = false;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

enum class Align { Left, Right, Center };

enum class SystemData { PageNumber, PrintDate, RecordNumber, PrintTime };

struct Item
{
    enum class Kind { Label, DataText, Expression, System, HLine, VLine };

    Kind kind = Kind::Label;
    QString name;                // component name, for hooks and tests
    double top = 0;              // from the band's top
    // Horizontal anchor: the left edge (Left), the right edge (Right) or the
    // centre (Center) of the text. For lines, the start.
    double x = 0;
    double width = 0;            // text: wrapping width when grow is set; HLine: length
    double height = 0;           // text: one-line box when 0; VLine: length, 0 = whole band
    Align align = Align::Left;
    FontSpec font;
    QString text;                // label text; prefix of system data
    QString field;               // DataText
    QString expression;          // Expression
    QString mask;                // Expression mask; DataText override of the field's format
    SystemData system = SystemData::PageNumber;
    double lineWidth = 0.01;     // lines, inches
    bool grow = false;           // text wraps within width and the band grows downward
    bool enabled = true;         // a switched-off item prints nothing

    static Item label(const QString &name, double top, double x, const QString &text, const FontSpec &font = {},
                      Align align = Align::Left);
    static Item data(const QString &name, double top, double x, const QString &field, const FontSpec &font = {},
                     Align align = Align::Left);
    static Item expr(const QString &name, double top, double x, const QString &expression, const QString &mask,
                     const FontSpec &font = {}, Align align = Align::Left);
    static Item sys(const QString &name, double top, double x, SystemData what, const QString &prefix = {},
                    const FontSpec &font = {}, Align align = Align::Left);
    static Item hline(double top, double x, double length, double lineWidth = 0.01);
    static Item vline(double top, double x, double length = 0, double lineWidth = 0.01);
};

struct Band
{
    enum class Kind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

    Band() = default;
    explicit Band(Kind k, double h = 0.25) : kind(k), height(h) {}

    Kind kind = Kind::Detail;
    QString name;
    double height = 0.25;
    QList<Item> items;
    bool enabled = true;
    // Called after the band has printed (once per printing); the event gives the
    // running layout's items, so a hook can change a label for the next printing.
    std::function<void(BandEvent &)> afterPrint;

    Item *item(const QString &name);
};

// A group: header and footer bands around the rows whose expression value is the
// same. Groups are listed outermost first.
struct Group
{
    QString expression;
    bool newPage = false;        // each group after the first starts a new page
    Band header{Band::Kind::GroupHeader};
    Band footer{Band::Kind::GroupFooter};
};

struct Layout
{
    QString name;
    PageSetup page;
    Band title{Band::Kind::Title, 0};
    Band pageHeader{Band::Kind::PageHeader, 0};
    Band columnHeader{Band::Kind::ColumnHeader, 0};
    QList<Group> groups;
    Band detail{Band::Kind::Detail};
    Band summary{Band::Kind::Summary, 0};
    Band pageFooter{Band::Kind::PageFooter, 0};

    // The first item of that name in any band, or null.
    Item *item(const QString &name);
    QList<Band *> bands();
};

// What a band's after-print hook sees.
class BandEvent
{
public:
    BandEvent(Layout &layout, const Band &band, int pageNumber, int recordNumber)
        : m_layout(layout), m_band(band), m_page(pageNumber), m_record(recordNumber) {}

    const Band &band() const { return m_band; }
    int pageNumber() const { return m_page; }
    int recordNumber() const { return m_record; }
    Item *item(const QString &name) { return m_layout.item(name); } // the running layout's item

private:
    Layout &m_layout;
    const Band &m_band;
    int m_page;
    int m_record;
};

QString bandKindName(Band::Kind kind);

} // namespace reportwriter
