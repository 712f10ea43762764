// The room board: layout, colours, and what a click on a tile does.

#include "data/HandOver.h"
#include "data/TLogon.h"
#include "stays/StayScreens.h"
#include "support/TestSite.h"
#include "ui/common/MessageBoxes.h"
#include "ui/main/RoomBoard.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using ui::RoomBoard;

namespace {

struct Opened
{
    QString screen;
    QString code;
    QString handOverText;
    QString handOverDate;
    bool checkInRequested = false;
};

} // namespace

class RoomBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        logon.DataModuleCreate();
        scroll.setFrameShape(QFrame::NoFrame);
        scroll.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll.setWidget(new QWidget);
        scroll.resize(1047, 600);
        scroll.show();
        stays::stayScreens() = {
            [this](QWidget *, const QString &code, const QString &) { opened << Opened{QStringLiteral("saida"), code, {}, {}, false}; },
            [this](QWidget *) {
                opened << Opened{QStringLiteral("reserva"), {}, data::handOverText, data::handOverDate,
                                 data::checkInRequested};
            },
        };
    }
    void TearDown() override { stays::stayScreens() = {}; }

    void exec(const QString &sql) { logon.Logon.execute(sql); }
    void addRooms(const char *category, int categoryId, int count, int firstCode)
    {
        if (category)
            exec(QStringLiteral("insert into CATEGORIA (ID, NOME, VALOR, ADCIONAL) values (%1, '%2', 100, 80)")
                     .arg(categoryId)
                     .arg(QLatin1String(category)));
        for (int i = 0; i < count; ++i)
            exec(QStringLiteral("insert into QUARTOS (NOME, CATEGORIA, BLOQUEADO, CODIGO) values ('Q', %1, 0, '%2')")
                     .arg(category ? QString::number(categoryId) : QStringLiteral("null"))
                     .arg(firstCode + i, 4, 10, QLatin1Char('0')));
    }
    QFrame *tile(const char *code) { return board.tile(QString::fromLatin1(code)); }
    QString stateWord(const char *code)
    {
        return tile(code)->findChild<QLabel *>(QStringLiteral("LBLSTS") + QLatin1String(code))->text();
    }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2)); }

    test::TestSite site;
    data::TLogon logon{site.home() + QStringLiteral("/site")};
    QScrollArea scroll;
    QLabel wait{QStringLiteral("AGUARDE... Atualizando mapa")};
    bool cashClosed = false;
    RoomBoard board{&scroll, &wait, [this] { return cashClosed; }};
    QList<Opened> opened;
};

TEST_F(RoomBoardTest, ColumnsFollowTheClientWidth)
{
    const std::pair<int, int> cases[] = {{1047, 6}, {1033, 5}, {100, 1}, {0, 1}};
    for (const auto &[width, columns] : cases)
        EXPECT_EQ(RoomBoard::columnsFor(width), columns) << width;
}

TEST_F(RoomBoardTest, TilesFlowInRowsUnderTheirCategoryHeadings)
{
    addRooms(nullptr, 0, 2, 1);     // rooms without a category come first, without a heading
    addRooms("STANDARD", 1, 7, 101);
    addRooms("LUXO", 2, 1, 201);
    board.BuildRoomBoard();
    ASSERT_EQ(board.tileCount(), 10);

    EXPECT_EQ(tile("0001")->geometry(), QRect(14, 0, 156, 118));
    EXPECT_EQ(tile("0002")->pos(), QPoint(14 + 170, 0));

    const QList<QLabel *> headings = board.board()->findChildren<QLabel *>(QStringLiteral("heading"),
                                                                            Qt::FindDirectChildrenOnly);
    ASSERT_EQ(headings.size(), 2);
    EXPECT_EQ(headings[0]->text(), QStringLiteral("STANDARD"));
    // One gap below the no-category row, plus one more gap.
    EXPECT_EQ(headings[0]->y(), 0 + 132 * 1 + 14);
    const int rowsTop = headings[0]->y() + headings[0]->height() + 14;
    EXPECT_EQ(tile("0101")->pos(), QPoint(14, rowsTop));
    EXPECT_EQ(tile("0106")->pos(), QPoint(14 + 5 * 170, rowsTop)); // six columns at 1047
    EXPECT_EQ(tile("0107")->pos(), QPoint(14, rowsTop + 132));
    EXPECT_EQ(headings[1]->y(), rowsTop + 132 * 2 + 14);

    scroll.resize(1033, 600);
    board.BuildRoomBoard();
    EXPECT_EQ(board.tileCount(), 10);
    EXPECT_EQ(tile("0106")->pos(), QPoint(14, rowsTop + 132)); // five columns at 1033
    EXPECT_EQ(board.board()->findChildren<QLabel *>(QStringLiteral("heading")).size(), 2);
}

TEST_F(RoomBoardTest, NoRoomsNoHeadingAndOddCodesAndStatesNeverCrash)
{
    board.BuildRoomBoard();
    EXPECT_EQ(board.tileCount(), 0);
    EXPECT_TRUE(board.board()->findChildren<QLabel *>(QStringLiteral("heading")).isEmpty());

    exec(QStringLiteral("insert into QUARTOS (NOME, CATEGORIA, BLOQUEADO, CODIGO) values ('X', 99, 5, 'AB')"));
    exec(QStringLiteral("insert into QUARTOS (NOME, CATEGORIA, BLOQUEADO, CODIGO) values ('Y', null, null, ' 7 ')"));
    board.BuildRoomBoard();
    EXPECT_EQ(board.tileCount(), 2);
    ASSERT_NE(tile("0000"), nullptr); // "AB" is not a number
    EXPECT_EQ(stateWord("0000"), QStringLiteral("LIVRE"));
    EXPECT_EQ(tile("0000")->palette().color(QPalette::Window), QColor(226, 248, 239));
    ASSERT_NE(tile("0007"), nullptr);
    EXPECT_EQ(stateWord("0007"), QStringLiteral("LIVRE"));
}

TEST_F(RoomBoardTest, EveryPartOfAFreeTileStartsACheckInAndTheHandOverIsCleared)
{
    addRooms("STANDARD", 1, 1, 101);
    board.BuildRoomBoard();
    QFrame *t = tile("0101");
    QList<QWidget *> parts{t};
    for (QObject *child : t->children())
        if (auto *w = qobject_cast<QWidget *>(child))
            parts << w;
    ASSERT_EQ(parts.size(), 6);
    for (QWidget *part : parts) {
        SCOPED_TRACE(part->objectName().toStdString());
        opened.clear();
        click(part);
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].screen, QStringLiteral("reserva"));
        EXPECT_EQ(opened[0].handOverText, QStringLiteral("0101#Fazer CheckIn"));
        EXPECT_EQ(opened[0].handOverDate, QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
        EXPECT_TRUE(opened[0].checkInRequested);
        EXPECT_TRUE(data::handOverText.isEmpty());
        EXPECT_FALSE(data::checkInRequested);
    }
}

TEST_F(RoomBoardTest, HandOverIsClearedWhenTheOpenedScreenFails)
{
    addRooms("STANDARD", 1, 1, 101);
    board.BuildRoomBoard();
    stays::stayScreens().reservationForm = [](QWidget *) { throw db::DbError(QStringLiteral("falhou")); };
    ui::ScriptedDialogs dialogs;
    click(tile("0101"));
    EXPECT_TRUE(data::handOverText.isEmpty());
    EXPECT_TRUE(data::handOverDate.isEmpty());
    EXPECT_FALSE(data::checkInRequested);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("falhou"));
}

TEST_F(RoomBoardTest, ClosedCashAndMaintenanceRefuseWithTheirMessages)
{
    addRooms("STANDARD", 1, 2, 101);
    exec(QStringLiteral("update QUARTOS set BLOQUEADO = 3 where CODIGO = '0102'"));
    board.BuildRoomBoard();
    EXPECT_EQ(stateWord("0102"), QStringLiteral("MANUTENCAO"));

    struct Case
    {
        bool cashClosed;
        const char *code;
        const char *message;
    } cases[] = {
        {true, "0101", "Caixa Fechado. Abrir primeiro o CAIXA! "},
        {true, "0102", "Caixa Fechado. Abrir primeiro o CAIXA! "},
        {false, "0102", "QUARTO EM MANUTENCAO! "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        cashClosed = c.cashClosed;
        ui::ScriptedDialogs dialogs;
        opened.clear();
        click(tile(c.code));
        EXPECT_TRUE(opened.isEmpty());
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].kind, ui::DialogKind::MessageOk);
        EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.shown()[0].text, QString::fromUtf8(c.message));
    }
}

TEST_F(RoomBoardTest, StateIsReadFreshOnClickAndTheTileRecolouredAfter)
{
    addRooms("STANDARD", 1, 1, 101);
    board.BuildRoomBoard();
    // Another terminal checked the guest in: the tile still says free.
    exec(QStringLiteral("update QUARTOS set BLOQUEADO = 1 where CODIGO = '0101'"));
    EXPECT_EQ(stateWord("0101"), QStringLiteral("LIVRE"));
    click(tile("0101"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].screen, QStringLiteral("saida"));
    EXPECT_EQ(opened[0].code, QStringLiteral("0101"));
    EXPECT_EQ(stateWord("0101"), QStringLiteral("OCUPADO"));
    EXPECT_EQ(tile("0101")->palette().color(QPalette::Window), QColor(255, 235, 238));
}

TEST_F(RoomBoardTest, ReleasingARoomInCleaningTurnsItsTileFree)
{
    addRooms("STANDARD", 1, 1, 101);
    exec(QStringLiteral("update QUARTOS set BLOQUEADO = 2 where CODIGO = '0101'"));
    board.BuildRoomBoard();
    EXPECT_EQ(stateWord("0101"), QStringLiteral("LIMPEZA"));
    QString shownCode;
    QTimer::singleShot(0, [&] {
        QWidget *form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr);
        shownCode = form->findChild<QLabel *>(QStringLiteral("Label11"))->text();
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    });
    click(tile("0101"));
    EXPECT_EQ(shownCode, QStringLiteral("0101"));
    EXPECT_EQ(stateWord("0101"), QStringLiteral("LIVRE"));
    EXPECT_EQ(logon.Logon.execute(QStringLiteral("select BLOQUEADO from QUARTOS")).rows[0][0].toInt(), 0);
}

TEST_F(RoomBoardTest, HoverLowersAndRaisesTheTile)
{
    addRooms("STANDARD", 1, 1, 101);
    board.BuildRoomBoard();
    QLabel *number = tile("0101")->findChild<QLabel *>(QStringLiteral("LBLNUM0101"));
    board.TileMouseEnter(number);
    EXPECT_EQ(tile("0101")->frameShadow(), QFrame::Sunken);
    board.TileMouseLeave(tile("0101")->findChild<QFrame *>(QStringLiteral("FX0101")));
    EXPECT_EQ(tile("0101")->frameShadow(), QFrame::Raised);
}

TEST_F(RoomBoardTest, TilesAreReachedAndOpenedFromTheKeyboard)
{
    addRooms("STANDARD", 1, 2, 101);
    board.BuildRoomBoard();
    scroll.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scroll));
    tile("0101")->setFocus();
    EXPECT_EQ(tile("0101")->frameShadow(), QFrame::Sunken);
    QTest::keyClick(tile("0101"), Qt::Key_Tab);
    EXPECT_TRUE(tile("0102")->hasFocus());
    EXPECT_EQ(tile("0101")->frameShadow(), QFrame::Raised);
    QTest::keyClick(tile("0102"), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].handOverText, QStringLiteral("0102#Fazer CheckIn"));
    EXPECT_EQ(tile("0102")->accessibleName(), QStringLiteral("Quarto 0102"));
}
