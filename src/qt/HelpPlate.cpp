// The help plate: keys above, objects below, each with its picture and whether it can be
// pushed or shot.
#include "qt/HelpPlate.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "core/board/Codes.h"

namespace boltik::qt {

namespace {

struct ObjectLine {
    int16_t code;
    const char* name;
    const char* does;
};

// One line an object: what it does; whether it can be pushed or shot comes from the table
// of codes.
const ObjectLine kObjects[] = {
    {board::code::kBolt, "Болт", "соберите все: тогда откроется капсула"},
    {board::code::kCapsule, "Капсула", "выход; пока болты не собраны, её можно толкать"},
    {board::code::kBox, "Ящик", "загораживает путь и выстрелы"},
    {board::code::kBomb, "Бомба", "от выстрела или взрыва рядом взрывает восемь соседей"},
    {board::code::kAmmo, "Патроны", "девять выстрелов"},
    {board::code::kKey, "Ключ", "открывает одну дверь"},
    {board::code::kDoor, "Дверь", "открывается ключом"},
    {board::code::kRubble, "Завал", "разбивается выстрелом и взрывом"},
    {board::code::kWall, "Стена", "её ничто не берёт"},
    {board::code::kGunDown, "Пушка", "стреляет вниз или вверх, когда вздумается"},
    {board::code::kCrawler, "Ползун", "ползёт вдоль стены; коснётся робота — взрыв"},
    {board::code::kBat, "Летучая мышь", "летает туда и обратно; опасна вблизи"},
    {board::code::kTeleporter, "Телепорт", "переносит робота к своей паре"},
    {board::code::kMagnet, "Магнит",
     "бьёт робота слева от себя в своём ряду, если между ними пусто"},
};

QString traits(int16_t code) {
    const board::CodeInfo info = board::info(code);
    QStringList out;
    if (info.pushable) out << QStringLiteral("толкается");
    out << (info.shootable ? QStringLiteral("разбивается выстрелом")
                           : QStringLiteral("выстрел не берёт"));
    return out.join(QStringLiteral(", "));
}

QLabel* text(const QString& s, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(s, parent);
    QFont font = label->font();
    font.setPointSize(10);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

}  // namespace

QString HelpPlate::keysText() {
    return QStringLiteral(
        "Стрелки — ход; в ящик, бомбу или капсулу — толкнуть\n"
        "Shift + стрелка — выстрел (нужны патроны, не чаще раза в десять циклов)\n"
        "Esc — выйти из игры или начать тур заново (жизнь теряется)\n"
        "«Заново» — начать тур заново (жизнь теряется)\n"
        "Backspace — назад на три секунды (без потери жизни)\n"
        "P — пауза и продолжение\n"
        "M — звук выключить и включить\n"
        "F2 — показать, как пройти тур с начала (без потери жизни; Esc — вернуться)\n"
        "T (держать) — показать, какие телепорты связаны\n"
        "F1 — эта подсказка; любая клавиша её закрывает, игра стоит до P");
}

HelpPlate::HelpPlate(const GraphicObjects& graphics, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 14, 18, 14);
    column->addWidget(text(QStringLiteral("Клавиши"), this, true));
    column->addWidget(text(keysText(), this));
    column->addSpacing(8);
    column->addWidget(text(QStringLiteral("Предметы"), this, true));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const ObjectLine& line : kObjects) {
        auto* picture = new QLabel(this);
        if (const auto p = graphics.store().object(line.code)) {
            // 28 logical pixels, at the picture's own density.
            const QImage& image = graphics.image(*p);
            const qreal ratio = image.devicePixelRatio();
            QPixmap small = QPixmap::fromImage(image).scaled(
                QSize(28, 28) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            small.setDevicePixelRatio(ratio);
            picture->setPixmap(small);
        }
        picture->setFixedSize(28, 28);
        const int col = (row % 2) * 2;
        grid->addWidget(picture, row / 2, col);
        auto* words = text(
            QStringLiteral("<b>%1</b> — %2; %3")
                .arg(QString::fromUtf8(line.name), QString::fromUtf8(line.does), traits(line.code)),
            this);
        words->setWordWrap(true);
        words->setMinimumWidth(300);
        grid->addWidget(words, row / 2, col + 1);
        ++row;
    }
    column->addLayout(grid);
    adjustSize();
}

void HelpPlate::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 230, 120), 2));
    painter.setBrush(QColor(20, 20, 60, 245));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
}

QLabel* makeNotePlate(QWidget* board) {
    auto* plate = new QLabel(board);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    font.setBold(true);
    plate->setFont(font);
    plate->setAlignment(Qt::AlignCenter);
    plate->setStyleSheet(QStringLiteral(
        "color: white; background: rgba(20, 20, 60, 210); border: 2px solid rgb(255, 230, 120);"
        "border-radius: 10px; padding: 6px 14px;"));
    plate->hide();
    return plate;
}

QLabel* makePausePlate(QWidget* board) {
    auto* plate = new QLabel(QStringLiteral("Пауза\nP — продолжить"), board);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(18);
    font.setBold(true);
    plate->setFont(font);
    plate->setAlignment(Qt::AlignCenter);
    plate->setStyleSheet(QStringLiteral(
        "color: white; background: rgba(20, 20, 60, 200); border: 2px solid rgb(255, 230, 120);"
        "border-radius: 12px;"));
    plate->resize(240, 76);
    plate->hide();
    return plate;
}

}  // namespace boltik::qt
