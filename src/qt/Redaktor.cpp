// The level editor's window: it lays out the background, the grid, the palette and the
// counters, hands the mouse, the keys and the file menu to the editor model, and shows what
// the model changed.
#include "qt/Redaktor.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "qt/EditorFrame.h"
#include "qt/EditorGrid.h"
#include "qt/Filesel.h"
#include "qt/GameKeys.h"
#include "qt/GraphicObjects.h"
#include "qt/KudaSow.h"
#include "qt/Mnemonics.h"
#include "qt/MsgBo.h"
#include "qt/ProofDialog.h"
#include "qt/Twips.h"

namespace boltik::qt {

namespace {

const QString kCaption = QStringLiteral("****Разработчик****");
const QColor kSelectionGreen(0, 128, 0);

// The picture of a palette tool, as the palette, the preview and the grid show it.
QImage paletteImage(int tool) {
    return editorPicture(QString::fromLatin1(editor::kPalette[tool].picture));
}

// The window's background: a vertical gradient from grey towards light blue, one line a twip.
QImage gradient(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const double heightTwips = size.height() * 15.0;
    for (int y = 0; y < size.height(); ++y) {
        const double c = std::min(255.0, std::round(191 + 709.0 * (y * 15 + 1) / heightTwips));
        const QRgb line = qRgb(191, 191, static_cast<int>(c));
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, line);
    }
    return image;
}

}  // namespace

Redaktor::Redaktor(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QLabel(this);
    client->setFixedSize(px(11235), px(7500));
    client->setPixmap(QPixmap::fromImage(gradient(client->size())));
    setCentralWidget(client);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    mnuNew_ = file->addAction(QStringLiteral("&New(Новый)"));
    mnuLoad_ = file->addAction(QStringLiteral("&Load(загрузить)"));
    mnuSave_ = file->addAction(QStringLiteral("&Save(сохранить)"));
    // Ctrl+S; on a layout whose letters are not Latin the key in its place saves too.
    mnuSave_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    cmdExit_ = file->addAction(QStringLiteral("&Выход"));
    connect(mnuNew_, &QAction::triggered, this, &Redaktor::newLevel);
    connect(mnuLoad_, &QAction::triggered, this, &Redaktor::loadLevel);
    connect(mnuSave_, &QAction::triggered, this, &Redaktor::saveLevel);
    connect(cmdExit_, &QAction::triggered, this, &QWidget::close);
    mnuTest_ = menuBar()->addAction(QStringLiteral("&Проверить"));
    mnuTest_->setShortcut(Qt::Key_F5);
    mnuTest_->setToolTip(QStringLiteral("Сыграть уровень, не сохраняя его (F5)"));
    addAction(mnuTest_);
    connect(mnuTest_, &QAction::triggered, this, &Redaktor::testPlay);
    mnuProve_ = menuBar()->addAction(QStringLiteral("&Решаемость"));
    mnuProve_->setShortcut(Qt::Key_F6);
    mnuProve_->setToolTip(
        QStringLiteral("Найти кратчайшее решение или доказать, что его нет (F6)"));
    addAction(mnuProve_);
    connect(mnuProve_, &QAction::triggered, this, &Redaktor::prove);
    addLatinMnemonics(menuBar());

    polle_ = new EditorGrid(client);
    polle_->move(px(1320), px(120));
    polle_->start(QSize(px(9216), px(5856)));
    polle_->installEventFilter(this);
    for (int i = 0; i < editor::kTools; ++i) {
        obje_[i] = new QLabel(client);
        const editor::TwipsPlace place = editor::kPalette[i].place;
        obje_[i]->setGeometry(twipsRect(place.left, place.top, 480, 480));
        obje_[i]->setPixmap(QPixmap::fromImage(paletteImage(i)));
        obje_[i]->setCursor(Qt::PointingHandCursor);
        obje_[i]->installEventFilter(this);
    }
    obwod_ = new EditorFrame(kSelectionGreen, client);
    obwod_->setGeometry(obje_[model_.tool()]->geometry());
    prew_ = new QLabel(client);
    prew_->setGeometry(twipsRect(5640, 6840, 615, 495));
    prew_->setPixmap(QPixmap::fromImage(paletteImage(model_.tool())));
    lef_ = new QLabel(QStringLiteral("0"), client);
    lef_->setGeometry(px(6720), px(6840), px(480), px(255));
    toz_ = new QLabel(QStringLiteral("0"), client);
    toz_->setGeometry(px(7200), px(6840), px(480), px(255));
    auto* metBolt = new QLabel(QStringLiteral("Кол-во болтов"), client);
    metBolt->move(px(1440), px(6960));
    kolbolts_ = new QLabel(QStringLiteral("0"), client);
    kolbolts_->move(px(3360), px(6960));
    kolbolts_->setMinimumWidth(px(1200));

    // Every cell as the window opens, then the grid lines over them.
    const QImage setka = editorPicture(QStringLiteral("setka"));
    for (const editor::Paint& p : model_.takePaints()) {
        polle_->paintCell(p.cell, setka);
        if (const auto tool = editor::paletteIndexFor(model_.board().code(p.cell.x, p.cell.y))) {
            polle_->paintCell(p.cell, paletteImage(*tool));
        }
    }
    polle_->drawGridLines();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

QWidget* Redaktor::grid() const {
    return polle_;
}

const QImage& Redaktor::gridPicture() const {
    return polle_->picture();
}

std::optional<int> Redaktor::chooseCrawlerHeading() {
    return KudaSow::choose(this);
}

void Redaktor::refresh() {
    for (const editor::Paint& p : model_.takePaints()) {
        // A code no tool writes keeps the picture the cell had.
        if (const auto tool = editor::paletteIndexFor(model_.board().code(p.cell.x, p.cell.y))) {
            polle_->paintCell(p.cell, paletteImage(*tool));
        }
        if (p.outline) polle_->outlineCell(p.cell);
    }
    kolbolts_->setText(QString::fromStdString(model_.boltCaption()));
    lef_->setText(QString::number(model_.pointerCell().x));
    toz_->setText(QString::number(model_.pointerCell().y));
    polle_->showPairingFrame(model_.pairingCell() ? std::optional(model_.pointerCell())
                                                  : std::nullopt);
    QString title = kCaption;
    if (!model_.fileName().empty()) {
        title += QStringLiteral(" — ") + QString::fromStdString(model_.fileName());
    }
    if (model_.modified()) title += QStringLiteral(" *");
    setWindowTitle(title);
}

void Redaktor::selectTool(int tool) {
    model_.selectTool(tool);
    obwod_->move(obje_[tool]->pos());
    prew_->setPixmap(QPixmap::fromImage(paletteImage(tool)));
}

bool Redaktor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == polle_) {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove &&
            event->type() != QEvent::MouseButtonRelease) {
            return QMainWindow::eventFilter(watched, event);
        }
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto at = EditorGrid::cellAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress) {
            model_.mouseDown(at, *this, mouse->button() == Qt::RightButton);
        } else if (event->type() == QEvent::MouseMove) {
            model_.mouseMove(at, *this);
        } else {
            model_.mouseUp();
        }
        refresh();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < editor::kTools; ++i) {
            if (watched != obje_[i]) continue;
            selectTool(i);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Redaktor::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                            Qt::AltModifier | Qt::MetaModifier);
    // The letters by their place on the keyboard: Ctrl+Z is the same key on a Russian layout.
    const int key = keyByPlace(*event);
    const bool undo = key == Qt::Key_Z && mods == Qt::ControlModifier;
    const bool redo = (key == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
                      (key == Qt::Key_Y && mods == Qt::ControlModifier);
    if (key == Qt::Key_S && mods == Qt::ControlModifier) {
        saveLevel();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        model_.escape();
    } else if (undo) {
        model_.undo();
    } else if (redo) {
        model_.redo();
    } else {
        QMainWindow::keyPressEvent(event);
        return;
    }
    refresh();
}

bool Redaktor::mayDropChanges() {
    // A teleporter still waiting for its partner is given up first: it is no change yet.
    model_.escape();
    refresh();
    if (!model_.modified()) return true;
    // «Да» saves first, «Нет» drops the changes; a question put away with Escape or closed
    // without an answer drops nothing and cancels the action.
    const game::Question question = game::unsavedLevelQuestion();
    MsgBo box(QString::fromStdString(question.text), QString::fromStdString(question.button1),
              QString::fromStdString(question.button2), this, question.safeAnswer);
    box.exec();
    if (!box.chosen()) return false;
    if (box.answer() != 1) return true;
    return saveLevel();
}

void Redaktor::newLevel() {
    if (!mayDropChanges()) return;
    model_.newLevel();
    refresh();
}

void Redaktor::loadLevel() {
    if (!mayDropChanges()) return;
    const QString name = Filesel::choose(this);
    if (name.isEmpty()) return;  // the chooser closed without a choice
    const editor::FileResult loaded = model_.load(name.toStdString());
    refresh();
    if (!loaded) {
        QMessageBox::critical(this, QString(), QString::fromStdString(loaded.message));
    }
}

bool Redaktor::saveLevel() {
    const QString name = Filesel::choose(this);
    if (name.isEmpty()) return false;
    if (!mayReplace(name)) return false;
    const editor::FileResult saved = model_.save(name.toStdString());
    refresh();
    if (!saved) QMessageBox::warning(this, QString(), QString::fromStdString(saved.message));
    return static_cast<bool>(saved);
}

bool Redaktor::mayReplace(const QString& name) {
    // Writing over the level being edited is what Save is for; writing over another level,
    // a default of the campaign among them, loses it for good unless the author agrees.
    namespace fs = std::filesystem;
    const fs::path path(name.toStdString());
    std::error_code error;
    if (!fs::exists(path, error)) return true;
    if (!model_.fileName().empty() && fs::equivalent(path, fs::path(model_.fileName()), error)) {
        return true;
    }
    MsgBo box(QStringLiteral("Файл %1 уже есть. Заменить ?").arg(name), QStringLiteral("Да"),
              QStringLiteral("Нет"), this, 2);
    box.exec();
    return box.chosen() && box.answer() == 1;
}

void Redaktor::testPlay() {
    model_.escape();
    refresh();
    emit testPlayRequested();
}

void Redaktor::prove() {
    model_.escape();
    refresh();
    auto* dialog = new ProofDialog(model_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ProofDialog::showRequested, this, &Redaktor::solutionShowRequested);
    dialog->open();
}

void Redaktor::closeEvent(QCloseEvent* event) {
    if (!mayDropChanges()) {
        event->ignore();
        return;
    }
    emit closed();
    QMainWindow::closeEvent(event);
}

}  // namespace boltik::qt
