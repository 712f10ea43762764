#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>

class QFrame;
class QLabel;
class QScrollArea;
class QWidget;

namespace ui {

// The board of room tiles inside the main window's scroll box: one tile per room,
// grouped under a heading per category, coloured by the room's state. A tile is a
// panel "PNL0000" with a top strip "FX", a picture "IMG", the number "LBLNUM", the
// state word "LBLSTS" and a hint; a click on any of them acts on the room.
class RoomBoard : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTileWidth = 156;
    static constexpr int kTileHeight = 118;
    static constexpr int kGap = 14;

    // `waitLabel` is shown while the board is rebuilt; `cashClosed` tells whether the
    // cash-state line says the cash is closed.
    RoomBoard(QScrollArea *scrollBox, QLabel *waitLabel, std::function<bool()> cashClosed, QObject *parent = nullptr);

    void BuildRoomBoard();
    void RefreshRoomStates();
    void ClearRoomBoard();
    // The tile action for a click on any part of a tile.
    void RoomTileClick(QWidget *control);
    void TileMouseEnter(QWidget *control);
    void TileMouseLeave(QWidget *control);

    QWidget *board() const;
    QFrame *tile(const QString &code4) const { return m_tiles.value(code4).tile; }
    int tileCount() const { return static_cast<int>(m_tiles.size()); }

    static QString RoomCodeText(const QString &code);
    static int TileBackgroundColour(int state);
    static int TileAccentColour(int state);
    static QString RoomStateText(int state);
    static int columnsFor(int clientWidth);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The parts of one tile, kept so recolouring needs no search by name.
    struct Tile
    {
        QFrame *tile = nullptr;
        QFrame *strip = nullptr;
        QLabel *image = nullptr;
        QLabel *number = nullptr;
        QLabel *word = nullptr;
        int state = -1; // as last shown
    };

    void AddCategoryHeader(const QString &name);
    void createTile(const QString &code, int state, int left, int top);
    void ApplyTileState(QFrame *tile, const QString &code, int state);
    QFrame *tileOf(QWidget *control) const;
    const QPixmap &picture(int state);

    QScrollArea *m_scrollBox;
    QLabel *m_wait;
    std::function<bool()> m_cashClosed;
    QHash<QString, Tile> m_tiles; // by the four-digit code
    QPixmap m_pictures[4];

    // Layout values while building.
    int m_headingTop = kGap;
    int m_rowsTop = 0;
    int m_row = 0;
    int m_column = 0;
    int m_bottom = 0;
};

} // namespace ui
