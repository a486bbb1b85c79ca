#include "support/WellBuilder.h"

#include "pieces/PieceCatalogue.h"

namespace brixel::test {

CellSet PieceCells(int type, int state, int col, int row)
{
    CellSet cells;
    if (const Shape* shape = PieceShape(type, state)) {
        for (Offset o : *shape) {
            cells.insert({col + o.dc, row + o.dr});
        }
    }
    return cells;
}

void PutPiece(GameState& s, int type, int state, int col, int row)
{
    s.PieceType = static_cast<std::int16_t>(type);
    s.PieceState = static_cast<std::int16_t>(state);
    s.PieceCol = static_cast<std::int16_t>(col);
    s.PieceRow = static_cast<std::int16_t>(row);
    for (auto [c, r] : PieceCells(type, state, col, row)) {
        s.Board(c, r) = static_cast<std::int16_t>(type);
    }
}

void FillRowsFromBottom(Well& board, const std::vector<std::string>& rows)
{
    int row = WellRows - static_cast<int>(rows.size()) + 1;
    for (const std::string& text : rows) {
        for (int col = 1; col <= WellColumns && col <= static_cast<int>(text.size()); ++col) {
            const char ch = text[static_cast<std::size_t>(col - 1)];
            board(col, row) = ch == '.' ? 0 : (ch >= '1' && ch <= '7') ? ch - '0' : 7;
        }
        ++row;
    }
}

std::string RowText(const Well& board, int row)
{
    std::string text;
    for (int col = 1; col <= WellColumns; ++col) {
        const int v = board(col, row);
        text += v == 0 ? '.' : static_cast<char>('0' + v);
    }
    return text;
}

WellDiff Diff(const Well& before, const Well& after)
{
    WellDiff d;
    for (int col = 1; col <= WellColumns; ++col) {
        for (int row = 1; row <= WellRows; ++row) {
            const int a = before(col, row);
            const int b = after(col, row);
            if (a == b) {
                continue;
            }
            if (a == 0) {
                d.entered.insert({col, row});
            } else if (b == 0) {
                d.left.insert({col, row});
            } else {
                d.other.insert({col, row});
            }
        }
    }
    return d;
}

std::string CheckWell(const GameState& s, bool pieceFalling)
{
    for (int col = 1; col <= WellColumns; ++col) {
        for (int row = 1; row <= WellRows; ++row) {
            const int v = s.Board(col, row);
            if (v < 0 || v > PieceTypes) {
                return "cell " + std::to_string(col) + "," + std::to_string(row) + " holds " + std::to_string(v);
            }
        }
    }
    if (pieceFalling) {
        const CellSet cells = PieceCells(s.PieceType, s.PieceState, s.PieceCol, s.PieceRow);
        if (cells.size() != 4) {
            return "falling piece has no shape";
        }
        for (auto [c, r] : cells) {
            if (!Well::Inside(c, r) || s.Board(c, r) != s.PieceType) {
                return "falling piece cell " + std::to_string(c) + "," + std::to_string(r) + " is not its type";
            }
        }
    }
    return {};
}

}  // namespace brixel::test
