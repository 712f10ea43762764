// Building and refreshing the room board offscreen, at 50 and 500 rooms, against the
// two board statements alone; prints the resident memory with the 500-room board.

#include "data/Lookups.h"
#include "data/TLogon.h"
#include "platform/db/FirebirdEnvironment.h"
#include "site/Home.h"
#include "site/SiteCreator.h"
#include "ui/main/RoomBoard.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Board
{
    QTemporaryDir dir;
    std::unique_ptr<data::TLogon> logon;
    QScrollArea scroll;
    QLabel wait{QStringLiteral("AGUARDE... Atualizando mapa")};
    std::unique_ptr<ui::RoomBoard> board;

    explicit Board(int rooms)
    {
        site::SiteOptions o;
        o.home = dir.path() + QStringLiteral("/site");
        site::createSite(o);
        logon = std::make_unique<data::TLogon>(o.home);
        logon->DataModuleCreate();
        const int categories = 20;
        for (int c = 1; c <= categories; ++c)
            logon->Logon.execute(QStringLiteral("insert into CATEGORIA (ID, NOME, VALOR, ADCIONAL) values (%1, 'CATEGORIA %1', 100, 80)").arg(c));
        for (int r = 0; r < rooms; ++r)
            logon->Logon.execute(QStringLiteral("insert into QUARTOS (NOME, CATEGORIA, BLOQUEADO, CODIGO) values ('Q', %1, %2, '%3')")
                                     .arg(r % categories + 1)
                                     .arg(r % 4)
                                     .arg(r + 1, 4, 10, QLatin1Char('0')));
        scroll.setWidget(new QWidget);
        scroll.resize(1280, 800);
        scroll.show();
        board = std::make_unique<ui::RoomBoard>(&scroll, &wait, [] { return false; });
    }
};

// One board at a time: the screens reach the database through the current data module.
Board &boardOf(int rooms)
{
    static std::unique_ptr<Board> board;
    static int current = -1;
    if (current != rooms) {
        board.reset();
        board = std::make_unique<Board>(rooms);
        current = rooms;
    }
    return *board;
}

void BuildRoomBoard(benchmark::State &state)
{
    Board &b = boardOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        b.board->BuildRoomBoard();
}

void RefreshRoomStates(benchmark::State &state)
{
    Board &b = boardOf(static_cast<int>(state.range(0)));
    b.board->BuildRoomBoard();
    for (auto _ : state)
        b.board->RefreshRoomStates();
}

// Every room changed state on another terminal since the last refresh.
void RefreshRoomStatesAllChanged(benchmark::State &state)
{
    Board &b = boardOf(static_cast<int>(state.range(0)));
    b.board->BuildRoomBoard();
    for (auto _ : state) {
        state.PauseTiming();
        b.logon->Logon.execute(QStringLiteral("update QUARTOS set BLOQUEADO = mod(coalesce(BLOQUEADO, 0) + 1, 4)"));
        state.ResumeTiming();
        b.board->RefreshRoomStates();
    }
}

void BoardStatements(benchmark::State &state)
{
    Board &b = boardOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        data::ListRoomsForBoard(b.logon->Pesquisa);
        data::ListRoomStates(b.logon->Pesquisa);
    }
}

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

BENCHMARK(BuildRoomBoard)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(RefreshRoomStates)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(RefreshRoomStatesAllChanged)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BoardStatements)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    boardOf(500).board->BuildRoomBoard();
    printf("Resident memory with the 500-room board: %ld KiB\n", residentKiB());
    fflush(stdout);
    // The board outlives the application object otherwise; nothing is left to clean up.
    std::_Exit(0);
}
