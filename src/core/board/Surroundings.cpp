// Russian words for the codes and the sentences built from them.
#include "core/board/Surroundings.h"

#include <array>

namespace boltik::board {

namespace {

struct Word {
    int16_t first, last;  // the codes it names
    const char* word;
};

// Second pictures (a lit capsule, a crawler's other frame) are named as their objects.
constexpr Word kWords[] = {
    {code::kEmpty, code::kEmpty, "пусто"},
    {code::kRubble, code::kRubble, "завал"},
    {code::kWall, code::kWall, "стена"},
    {code::kBox, code::kBox, "ящик"},
    {code::kAmmo, code::kAmmo, "патроны"},
    {code::kKey, code::kKey, "ключ"},
    {code::kDoor, code::kDoor, "дверь"},
    {code::kBolt, code::kBolt, "болт"},
    {code::kBomb, code::kBomb, "бомба"},
    {code::kCapsule, code::kCapsule, "капсула"},
    {code::kGunDown, code::kGunDown, "пушка вниз"},
    {code::kGunUp, code::kGunUp, "пушка вверх"},
    {code::kCapsuleLit, code::kCapsuleLit, "капсула"},
    {code::kTeleporter, code::kTeleporterLit, "телепорт"},
    {code::kMagnet, code::kMagnet, "магнит"},
    {code::kCrawler, code::kCrawlerFrame, "ползун"},
    {code::kBat, code::kBatFrame, "летучая мышь"},
    {code::kBlast1, code::kBlast5, "взрыв"},
    {code::kBlackout, code::kBlackout, "темнота"},
    {code::kShotV, code::kShotHFrame, "выстрел"},
    {code::kFuse, code::kFuse, "запал"},
    {code::kPlayer, code::kPlayer, "робот"},
};

// The sides clockwise from the top, as a sentence begins with them and as it goes on.
struct Side {
    Dir dir;
    const char* first;
    const char* later;
};
constexpr std::array<Side, 4> kSides = {{
    {Dir::Up, "Сверху", "сверху"},
    {Dir::Right, "Справа", "справа"},
    {Dir::Down, "Снизу", "снизу"},
    {Dir::Left, "Слева", "слева"},
}};

std::string place(int x, int y) {
    return "столбец " + std::to_string(x) + ", ряд " + std::to_string(y);
}

}  // namespace

std::string objectWord(int16_t code) {
    for (const Word& w : kWords) {
        if (code >= w.first && code <= w.last) return w.word;
    }
    return "неизвестный предмет " + std::to_string(code);
}

std::string neighboursText(const Board& board, int x, int y, int lastCol, int lastRow) {
    std::string text;
    for (const Side& side : kSides) {
        const int nx = x + dx(side.dir), ny = y + dy(side.dir);
        const bool inArea = nx >= 0 && ny >= 0 && nx <= lastCol && ny <= lastRow;
        if (inArea && board.code(nx, ny) == code::kEmpty) continue;
        text += text.empty() ? side.first : ", " + std::string(side.later);
        text += ' ';
        text += inArea ? objectWord(board.code(nx, ny)) : "край поля";
    }
    return text.empty() ? "Вокруг пусто." : text + ".";
}

std::string describeRobot(const World& world) {
    std::string text;
    int x = world.playerX, y = world.playerY;
    bool found = Board::inside(x, y) && world.board.code(x, y) == code::kPlayer;
    for (int cx = 0; cx <= world.lastCol && !found; ++cx) {
        for (int cy = 0; cy <= world.lastRow && !found; ++cy) {
            if (world.board.code(cx, cy) != code::kPlayer) continue;
            x = cx;
            y = cy;
            found = true;
        }
    }
    if (found) {
        text = "Робот: " + place(x, y) + ". " +
               neighboursText(world.board, x, y, world.lastCol, world.lastRow);
    } else {
        text = "Робота на поле нет.";
    }
    // The capsule opens once the bolts' caption reads exactly "0".
    text += world.kolBolt.readsZero() ? " Болтов не осталось, капсула открыта."
                                      : " Болтов осталось " + world.kolBolt.caption() + ".";
    text += " Жизни: " + world.kolLives.caption() + ", ключи: " + world.kolKeys.caption() +
            ", патроны: " + world.kolWeapon.caption() + ".";
    return text;
}

std::string describeEditorCell(const Board& board, int x, int y, const std::string& boltCaption) {
    return "Курсор: " + place(x, y) + ", " + objectWord(board.code(x, y)) + ". " +
           neighboursText(board, x, y) + " Болтов: " + boltCaption + ".";
}

}  // namespace boltik::board
