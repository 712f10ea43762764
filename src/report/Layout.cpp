#include "Document.h"
#include "Format.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <map>
#include <optional>

namespace report {

namespace {

// Stands for the page total until the last page is known.
const QChar kTotalPages(0xE000);

// Text is measured at a fixed high resolution so a layout does not depend on the screen.
constexpr double kMeasureDpi = 1200;

const QPaintDevice *measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
        return image;
    }();
    return &device;
}

constexpr double toMm(double px) { return px * 25.4 / kMeasureDpi; }
constexpr double toPx(double mm) { return mm * kMeasureDpi / 25.4; }

// The rows a band reads: the current row of the detail source and, in a group's
// header or footer, the group's rows, which its sums cover.
struct Scope
{
    int row = -1;
    int first = 0;
    int last = -1;
    bool inGroup = false;
};

struct Block
{
    double height = 0;
    QList<Item> items; // relative to the band's top left
};

class Layouter
{
public:
    Layouter(const Template &t, const Sources &sources, const Variables &variables, const QDateTime &printed)
        : m_t(t), m_sources(sources), m_variables(variables), m_printed(printed)
    {
        m_roll = t.page != PageKind::A4;
        m_margin = m_roll ? 3 : 10;
        m_pageSize = t.page == PageKind::Roll58 ? QSizeF(58, 0) : t.page == PageKind::Roll80 ? QSizeF(80, 0) : QSizeF(210, 297);
        m_contentWidth = m_pageSize.width() - 2 * m_margin;
        m_master = m_sources.value(t.data.toLower());
    }

    Document run()
    {
        const int rows = m_master ? m_master->rowCount() : 0;
        const int groupField = m_master && !m_t.groupBy.isEmpty() ? m_master->fieldIndex(m_t.groupBy) : -1;
        const bool grouped = !m_t.groupBy.isEmpty();
        m_row = rows > 0 ? 0 : -1;
        m_footerHeight = m_roll ? 0 : build(m_t.pageFooter, Scope{m_row}).height;
        startPage();

        for (int first = 0; first < rows;) {
            int last = first;
            if (grouped) {
                const QString key = formatValue(m_master->value(first, groupField));
                while (last + 1 < rows && formatValue(m_master->value(last + 1, groupField)) == key)
                    ++last;
                put(build(m_t.groupHeader, Scope{first, first, last, true}));
            } else {
                last = rows - 1;
            }
            for (int r = first; r <= last; ++r) {
                m_row = r;
                put(build(m_t.detail, Scope{r}));
            }
            if (grouped)
                put(build(m_t.groupFooter, Scope{last, first, last, true}));
            first = last + 1;
        }
        put(build(m_t.summary, Scope{m_row}));
        if (m_roll)
            put(build(m_t.pageFooter, Scope{m_row}));
        endPage();

        const QString total = QString::number(m_doc.pages.size());
        for (Page &page : m_doc.pages)
            for (Item &item : page.items)
                item.text.replace(kTotalPages, total);
        return std::move(m_doc);
    }

    Block build(const Band &band, const Scope &scope) const
    {
        Block block;
        block.height = band.height;
        for (const ReportObject &o : band.objects) {
            Item item;
            item.kind = o.kind;
            item.align = o.align;
            item.wrap = o.wrap;
            item.frame = o.frame;
            item.font = QFont(m_t.fontFamily);
            item.font.setPointSizeF(o.fontSize > 0 ? o.fontSize : m_t.fontSize);
            item.font.setBold(o.bold);
            item.font.setHintingPreference(QFont::PreferNoHinting);
            const double width = o.width >= 0 ? o.width : std::max(0.0, m_contentWidth - o.x);
            double height = o.height;
            if (o.kind == ReportObject::Kind::Text) {
                item.text = expand(o.text, scope);
                const QFontMetricsF metrics(item.font, measureDevice());
                if (height < 0)
                    height = toMm(metrics.height());
                if (o.wrap) {
                    const double inner = toPx(width - (o.frame ? 2 * kFramePadding : 0));
                    const QRectF needed = metrics.boundingRect(QRectF(0, 0, inner, 1e9), Qt::TextWordWrap, item.text);
                    height = std::max(height, toMm(needed.height()));
                }
            }
            item.rect = QRectF(o.x, o.y, width, height);
            block.height = std::max(block.height, o.y + std::max(0.0, height));
            block.items << item;
        }
        return block;
    }

private:
    void startPage()
    {
        m_doc.pages.append(Page{m_pageSize, {}});
        m_y = m_margin;
        place(build(m_t.pageHeader, Scope{m_row}));
        place(build(m_t.columnHeader, Scope{m_row}));
        m_bodyTop = m_y;
    }

    void endPage()
    {
        Page &page = m_doc.pages.last();
        if (m_roll) {
            page.size.setHeight(m_y + m_margin);
            return;
        }
        m_y = page.size.height() - m_margin - m_footerHeight;
        place(build(m_t.pageFooter, Scope{m_row}));
    }

    // A band that does not fit goes to a new page, unless the page holds no band yet.
    void put(const Block &block)
    {
        if (!m_roll && m_y + block.height > m_pageSize.height() - m_margin - m_footerHeight && m_y > m_bodyTop) {
            endPage();
            startPage();
        }
        place(block);
    }

    void place(const Block &block)
    {
        for (Item item : block.items) {
            item.rect.translate(m_margin, m_y);
            m_doc.pages.last().items << item;
        }
        m_y += block.height;
    }

    QString expand(const QString &text, const Scope &scope) const
    {
        QString out;
        qsizetype from = 0;
        for (;;) {
            const qsizetype open = text.indexOf(u'[', from);
            const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
            if (close < 0) {
                out += text.mid(from);
                return out;
            }
            out += text.mid(from, open - from);
            const std::optional<QString> value = evaluate(text.mid(open + 1, close - open - 1), scope);
            // What cannot be read stays as written, so a mistake shows on paper.
            out += value ? *value : text.mid(open, close - open + 1);
            from = close + 1;
        }
    }

    std::optional<QString> evaluate(const QString &reference, const Scope &scope) const
    {
        const qsizetype colon = reference.indexOf(u':');
        const QString expr = reference.left(colon).trimmed();
        const QString pattern = colon < 0 ? QString() : reference.mid(colon + 1);
        const QString upper = expr.toUpper();
        if (upper == QLatin1String("PAGE#"))
            return formatValue(static_cast<int>(m_doc.pages.size()), pattern);
        if (upper == QLatin1String("TOTALPAGES#"))
            return QString(kTotalPages);
        if (upper == QLatin1String("DATE"))
            return formatValue(m_printed.date(), pattern);
        if (upper == QLatin1String("TIME"))
            return formatValue(m_printed.time(), pattern);
        if (upper.startsWith(QLatin1String("SUM(")) && upper.endsWith(u')')) {
            const std::optional<db::Decimal> sum = this->sum(expr.mid(4, expr.size() - 5).trimmed(), scope);
            return sum ? std::optional(formatValue(QVariant::fromValue(*sum), pattern)) : std::nullopt;
        }
        if (expr.contains(u'.')) {
            const auto [source, field] = lookUp(expr);
            if (!source)
                return std::nullopt;
            const int row = source == m_master ? scope.row : source->currentRow();
            return formatValue(source->value(row, field), pattern);
        }
        const auto variable = m_variables.constFind(expr.toLower());
        if (variable == m_variables.constEnd())
            return std::nullopt;
        return formatValue(*variable, pattern);
    }

    std::optional<db::Decimal> sum(const QString &fieldReference, const Scope &scope) const
    {
        const auto [source, field] = lookUp(fieldReference);
        if (!source)
            return std::nullopt;
        const bool inGroup = source == m_master && scope.inGroup;
        const int first = inGroup ? scope.first : 0;
        const int last = inGroup ? scope.last : source->rowCount() - 1;
        db::Decimal total;
        for (int r = first; r <= last; ++r)
            if (const std::optional<db::Decimal> v = toDecimal(source->value(r, field)))
                total = total + *v;
        return total;
    }

    // "Source.FIELD" → the source and the field's index; a null source when either is unknown.
    std::pair<std::shared_ptr<const DataSource>, int> lookUp(const QString &reference) const
    {
        const qsizetype dot = reference.indexOf(u'.');
        const std::shared_ptr<const DataSource> source = m_sources.value(reference.left(dot).trimmed().toLower());
        const int field = source ? source->fieldIndex(reference.mid(dot + 1).trimmed()) : -1;
        if (field < 0)
            return {nullptr, -1};
        return {source, field};
    }

    const Template &m_t;
    const Sources &m_sources;
    const Variables &m_variables;
    const QDateTime m_printed;
    std::shared_ptr<const DataSource> m_master;
    bool m_roll = false;
    double m_margin = 0;
    QSizeF m_pageSize;
    double m_contentWidth = 0;
    double m_footerHeight = 0;
    double m_y = 0;
    double m_bodyTop = 0;
    int m_row = -1;
    Document m_doc;
};

} // namespace

Document layOut(const Template &tmpl, const Sources &sources, const Variables &variables, const QDateTime &printed)
{
    return Layouter(tmpl, sources, variables, printed).run();
}

QList<QStringList> Document::text() const
{
    QList<QStringList> out;
    for (const Page &page : pages) {
        // Tops compared to a hundredth of a millimetre.
        std::map<qint64, QList<const Item *>> lines;
        for (const Item &item : page.items)
            if (item.kind == ReportObject::Kind::Text && !item.text.trimmed().isEmpty())
                lines[qRound64(item.rect.top() * 100)] << &item;
        QStringList pageLines;
        for (auto &[top, items] : lines) {
            std::stable_sort(items.begin(), items.end(),
                             [](const Item *a, const Item *b) { return a->rect.left() < b->rect.left(); });
            QStringList texts;
            for (const Item *item : items)
                texts << item->text.trimmed();
            pageLines << texts.join(QStringLiteral(" | "));
        }
        out << pageLines;
    }
    return out;
}

} // namespace report
