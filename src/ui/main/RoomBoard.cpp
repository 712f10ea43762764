#include "RoomBoard.h"

#include "CommandIcons.h"
#include "TFormLimpeza.h"
#include "data/HandOver.h"
#include "data/Lookups.h"
#include "data/ModuleConnection.h"
#include "data/TLogon.h"
#include "stays/ReservaHotel.h"
#include "stays/StayScreens.h"
#include "ui/common/Biblioteca.h"
#include "ui/common/Mensagem.h"
#include "ui/common/MessageBoxes.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollArea>

namespace ui {

namespace {

constexpr int kNumberColour = 3810840; // RGB(24,38,58)
constexpr int kHintColour = 8285022;   // RGB(94,107,126)
constexpr int kHeadingColour = 4006164;

QFont boardFont(int pointSize, bool bold)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QPalette paletteWith(QPalette::ColorRole role, int colour)
{
    QPalette p;
    p.setColor(role, toQColor(colour));
    return p;
}

QLabel *tileLabel(QWidget *tile, const QString &name, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(tile);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

RoomBoard::RoomBoard(QScrollArea *scrollBox, QLabel *waitLabel, std::function<bool()> cashClosed, QObject *parent)
    : QObject(parent), m_scrollBox(scrollBox), m_wait(waitLabel), m_cashClosed(std::move(cashClosed))
{
}

QWidget *RoomBoard::board() const { return m_scrollBox->widget(); }

QString RoomBoard::RoomCodeText(const QString &code)
{
    bool ok = false;
    const int n = code.trimmed().toInt(&ok);
    if (!ok || n < 0)
        return formatNumber(QStringLiteral("0000"), ok ? n : 0);
    // The common case without the general number formatter: the board runs it per room.
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

int RoomBoard::TileBackgroundColour(int state)
{
    switch (state) {
    case stays::Ocupado:
        return 15657983;
    case stays::Limpeza:
        return 16774632;
    case stays::Manutencao:
        return 15070463;
    default:
        return 15726818;
    }
}

int RoomBoard::TileAccentColour(int state)
{
    switch (state) {
    case stays::Ocupado:
        return 4800469;
    case stays::Limpeza:
        return 13401387;
    case stays::Manutencao:
        return 2331880;
    default:
        return 6854174;
    }
}

QString RoomBoard::RoomStateText(int state)
{
    switch (state) {
    case stays::Ocupado:
        return QStringLiteral("OCUPADO");
    case stays::Limpeza:
        return QStringLiteral("LIMPEZA");
    case stays::Manutencao:
        return QStringLiteral("MANUTENCAO");
    default:
        return QStringLiteral("LIVRE");
    }
}

int RoomBoard::columnsFor(int clientWidth) { return std::max(1, (clientWidth - kGap) / (kTileWidth + kGap)); }

const QPixmap &RoomBoard::picture(int state)
{
    const int i = stays::RoomStatePicture(state);
    if (m_pictures[i].isNull())
        m_pictures[i] = roomStatePicture(i, 70);
    return m_pictures[i];
}

void RoomBoard::ClearRoomBoard()
{
    m_tiles.clear();
    const QObjectList children = board()->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        if ((*it)->isWidgetType())
            delete *it;
}

void RoomBoard::BuildRoomBoard()
{
    QWidget *viewport = m_scrollBox->viewport();
    // Centred in the area the label lives in: the window's client area.
    const QWidget *area = m_wait->parentWidget() ? m_wait->parentWidget() : viewport;
    m_wait->adjustSize();
    m_wait->move((area->width() - m_wait->width()) / 2, (area->height() - m_wait->height()) / 2);
    board()->hide();
    m_wait->show();
    m_wait->raise();
    m_wait->repaint();

    ClearRoomBoard();
    m_headingTop = kGap;
    m_rowsTop = 0;
    m_row = 0;
    m_column = 0;
    m_bottom = 0;
    QString category;

    try {
        ds::Query &q = data::dataModule().Pesquisa;
        data::ListRoomsForBoard(q);
        const int nome = q.fieldIndex(QStringLiteral("NOME"));
        const int codigo = q.fieldIndex(QStringLiteral("CODIGO"));
        const int bloqueado = q.fieldIndex(QStringLiteral("BLOQUEADO"));
        for (int r = 0; r < q.recordCount(); ++r) {
            const QString name = q.value(r, nome).toString();
            if (name.trimmed() != category.trimmed()) {
                category = name;
                AddCategoryHeader(name);
            }
            const int columns = columnsFor(viewport->width());
            if (m_column >= columns) {
                m_column = 0;
                ++m_row;
            }
            createTile(q.value(r, codigo).toString(), q.value(r, bloqueado).toInt(),
                       (kTileWidth + kGap) * m_column + kGap, (kTileHeight + kGap) * m_row + m_rowsTop);
            ++m_column;
        }
        q.close();
    } catch (const db::DbError &e) {
        critical(m_scrollBox->window(), QStringLiteral("Não foi possível montar o mapa de quartos.\n\n") + e.message());
    }

    board()->resize(viewport->width(), m_bottom + kGap);
    m_wait->hide();
    board()->show();
}

void RoomBoard::AddCategoryHeader(const QString &name)
{
    if (!m_tiles.isEmpty())
        m_headingTop = m_rowsTop + (kTileHeight + kGap) * (m_row + 1) + kGap;
    auto *heading = new QLabel(name, board());
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(boardFont(13, true));
    heading->setPalette(paletteWith(QPalette::WindowText, kHeadingColour));
    heading->adjustSize();
    heading->move(14, m_headingTop);
    heading->show();
    m_rowsTop = heading->y() + heading->height() + kGap;
    m_row = 0;
    m_column = 0;
    m_bottom = std::max(m_bottom, heading->geometry().bottom());
}

void RoomBoard::createTile(const QString &code, int state, int left, int top)
{
    static const QFont numberFont = boardFont(18, true);
    static const QFont stateFont = boardFont(9, true);
    static const QFont hintFont = boardFont(8, false);
    static const QPalette numberPalette = paletteWith(QPalette::WindowText, kNumberColour);
    static const QPalette hintPalette = paletteWith(QPalette::WindowText, kHintColour);

    const QString c4 = RoomCodeText(code);
    bool numeric = false;
    const int tag = code.trimmed().toInt(&numeric);

    auto *tile = new QFrame(board());
    tile->setObjectName(QStringLiteral("PNL") + c4);
    tile->setGeometry(left, top, kTileWidth, kTileHeight);
    tile->setFrameShape(QFrame::Panel);
    tile->setFrameShadow(QFrame::Raised);
    tile->setLineWidth(1);
    tile->setAutoFillBackground(true);
    tile->setProperty("tag", numeric ? tag : 0);
    tile->setAccessibleName(QStringLiteral("Quarto ") + c4);
    // Tiles are reached with Tab and opened with Enter or Space, as with a click.
    tile->setFocusPolicy(Qt::StrongFocus);

    auto *strip = new QFrame(tile);
    strip->setObjectName(QStringLiteral("FX") + c4);
    strip->setGeometry(0, 0, kTileWidth, 8);
    strip->setAutoFillBackground(true);
    strip->setProperty("tag", tile->property("tag"));

    QLabel *image = tileLabel(tile, QStringLiteral("IMG") + c4, QRect(12, 16, 48, 48), hintFont);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(picture(state));

    QLabel *number = tileLabel(tile, QStringLiteral("LBLNUM") + c4, QRect(66, 16, kTileWidth - 76, 28), numberFont);
    number->setPalette(numberPalette);
    QLabel *word = tileLabel(tile, QStringLiteral("LBLSTS") + c4, QRect(66, 48, kTileWidth - 76, 18), stateFont);
    QLabel *hint = tileLabel(tile, QString(), QRect(12, 82, kTileWidth - 24, 18), hintFont);
    hint->setText(QStringLiteral("Clique para acessar"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setPalette(hintPalette);

    for (QWidget *part : {static_cast<QWidget *>(tile), static_cast<QWidget *>(strip), static_cast<QWidget *>(image),
                          static_cast<QWidget *>(number), static_cast<QWidget *>(word), static_cast<QWidget *>(hint)}) {
        part->setCursor(Qt::PointingHandCursor);
        part->installEventFilter(this);
    }
    m_tiles.insert(c4, Tile{tile, strip, image, number, word, -1});
    ApplyTileState(tile, code, state);
    tile->show();
    m_bottom = std::max(m_bottom, top + kTileHeight);
}

void RoomBoard::ApplyTileState(QFrame *tile, const QString &code, int state)
{
    if (!tile)
        return;
    const QString c4 = RoomCodeText(code);
    auto it = m_tiles.find(c4);
    if (it == m_tiles.end() || it->tile != tile)
        return;
    // Palettes are shared per state: setting the same palette again costs little.
    static QHash<int, QPalette> backgrounds, accents, words;
    const int kind = stays::RoomStatePicture(state);
    if (!backgrounds.contains(kind)) {
        backgrounds.insert(kind, paletteWith(QPalette::Window, TileBackgroundColour(kind)));
        accents.insert(kind, paletteWith(QPalette::Window, TileAccentColour(kind)));
        words.insert(kind, paletteWith(QPalette::WindowText, TileAccentColour(kind)));
    }
    tile->setPalette(backgrounds[kind]);
    it->strip->setPalette(accents[kind]);
    it->number->setText(c4);
    it->word->setText(RoomStateText(state));
    it->word->setPalette(words[kind]);
    it->state = state;
}

void RoomBoard::RefreshRoomStates()
{
    try {
        ds::Query &q = data::dataModule().Pesquisa;
        data::ListRoomStates(q);
        const int codigo = q.fieldIndex(QStringLiteral("CODIGO"));
        const int bloqueado = q.fieldIndex(QStringLiteral("BLOQUEADO"));
        for (int r = 0; r < q.recordCount(); ++r) {
            const QString code = q.value(r, codigo).toString();
            const int state = q.value(r, bloqueado).toInt();
            const auto it = m_tiles.constFind(RoomCodeText(code));
            if (it == m_tiles.constEnd())
                continue; // added since the last build
            if (it->state == state)
                continue; // already shows this state
            it->image->setPixmap(picture(state));
            ApplyTileState(it->tile, code, state);
        }
        q.close();
    } catch (const db::DbError &e) {
        critical(m_scrollBox->window(), QStringLiteral("Não foi possível atualizar o mapa de quartos.\n\n") + e.message());
    }
}

QFrame *RoomBoard::tileOf(QWidget *control) const
{
    if (!control)
        return nullptr;
    auto *frame = qobject_cast<QFrame *>(control);
    const bool isLabel = qobject_cast<QLabel *>(control) != nullptr;
    if (frame && !isLabel) {
        if (control->objectName().startsWith(QLatin1String("PNL")))
            return frame;
        auto *parent = qobject_cast<QFrame *>(control->parentWidget());
        return parent && !qobject_cast<QLabel *>(parent) ? parent : nullptr;
    }
    if (isLabel) {
        auto *parent = qobject_cast<QFrame *>(control->parentWidget());
        return parent && !qobject_cast<QLabel *>(parent) ? parent : nullptr;
    }
    return nullptr;
}

void RoomBoard::TileMouseEnter(QWidget *control)
{
    if (QFrame *tile = tileOf(control))
        tile->setFrameShadow(QFrame::Sunken);
}

void RoomBoard::TileMouseLeave(QWidget *control)
{
    if (QFrame *tile = tileOf(control))
        tile->setFrameShadow(QFrame::Raised);
}

void RoomBoard::RoomTileClick(QWidget *control)
{
    // Panels carry the tag themselves; a picture or a label takes its parent's.
    QVariant tag;
    if (qobject_cast<QLabel *>(control)) {
        if (control->parentWidget())
            tag = control->parentWidget()->property("tag");
    } else if (qobject_cast<QFrame *>(control)) {
        tag = control->property("tag");
    }
    if (!tag.isValid())
        return;
    const QString code = formatNumber(QStringLiteral("0000"), tag.toInt());
    QWidget *window = m_scrollBox->window();

    QString name;
    int state = stays::Livre;
    try {
        ds::Query &q = data::dataModule().Pesquisa;
        data::FindRoomByCode(q, code);
        name = q.field(QStringLiteral("NOME")).asString();
        state = q.field(QStringLiteral("BLOQUEADO")).asInteger();
        q.close();
    } catch (const db::DbError &e) {
        critical(window, QStringLiteral("Não foi possível ler o quarto %1.\n\n").arg(code) + e.message());
        return;
    }

    if (m_cashClosed && m_cashClosed()) {
        MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("Caixa Fechado. Abrir primeiro o CAIXA! "),
                        QStringLiteral("1"));
        return;
    }
    if (state == stays::Manutencao) {
        MostrarMensagem(QStringLiteral("ATENÇÃO"), QStringLiteral("QUARTO EM MANUTENCAO! "), QStringLiteral("1"));
        return;
    }

    QPointer<RoomBoard> self(this);
    try {
        if (state == stays::Ocupado) {
            if (const auto &open = stays::stayScreens().checkOut)
                open(window, code, name);
        } else if (state == stays::Limpeza) {
            TFormLimpeza form(code, name, window);
            form.exec();
        } else {
            data::checkInRequested = true;
            data::handOverText = code + QStringLiteral("#Fazer CheckIn");
            data::handOverDate = dateToText(QDate::currentDate());
            try {
                if (const auto &open = stays::stayScreens().reservationForm)
                    open(window);
            } catch (...) {
                data::clearHandOver();
                throw;
            }
            data::clearHandOver();
        }
    } catch (const db::DbError &e) {
        critical(window, e.message());
    } catch (const std::exception &e) {
        critical(window, QString::fromLocal8Bit(e.what()));
    }
    if (self)
        RefreshRoomStates();
}

bool RoomBoard::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *m = static_cast<QMouseEvent *>(event);
        if (m->button() == Qt::LeftButton && widget && widget->rect().contains(m->position().toPoint())) {
            RoomTileClick(widget);
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (widget && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            RoomTileClick(widget);
            return true;
        }
        break;
    }
    case QEvent::Enter:
    case QEvent::FocusIn:
        TileMouseEnter(widget);
        break;
    case QEvent::Leave:
    case QEvent::FocusOut:
        TileMouseLeave(widget);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
