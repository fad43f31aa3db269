#include "workshop/pack_keeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUndoCommand>
#include <QUndoStack>

#include "game/pack.h"
#include "game/pack_file.h"
#include "game/save_folder.h"
#include "qt/languages.h"
#include "workshop/edit_command.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

const QString kRecentKey = QStringLiteral("files/recentPacks");
constexpr int kMaxRecent = 8;

// More would make the question taller than a screen.
constexpr std::size_t kMostStagesNamed = 12;

QString packFileFilter() {
    return PackKeeper::tr("Lumora packs (*%1)").arg(text(game::kPackFileSuffix));
}

QString whyWithout(NoSolution why) {
    switch (why) {
        case NoSolution::NotSolvable:
            return PackKeeper::tr("not solvable with its budget");
        case NoSolution::Undecided:
            return PackKeeper::tr("undecided, the proof stopped at its limit");
        case NoSolution::CannotBeProven:
            return PackKeeper::tr("it cannot be proven");
        case NoSolution::EndsElsewhere:
            return PackKeeper::tr("its solution ends on another board than its answer");
        case NoSolution::NotProven:
            break;
    }
    return PackKeeper::tr("not proven yet");
}

QSettings settings() { return QSettings(QStringLiteral("lumora"), QStringLiteral("workshop")); }

// One change of the pack's list or of its name, author or licence.
class PackStep : public WordedCommand {
public:
    using Apply = std::function<void(const PackContents&)>;
    PackStep(PackEdit edit, Apply apply)
        : WordedCommand(edit.description), edit_(std::move(edit)), apply_(std::move(apply)) {}
    void redo() override { apply_(edit_.after); }
    void undo() override { apply_(edit_.before); }

private:
    PackEdit edit_;
    Apply apply_;
};

}  // namespace

PackKeeper::PackKeeper(QWidget* window)
    : QObject(window), window_(window), undo_(new QUndoStack(this)) {}

void PackKeeper::push(const Edit& edit) {
    // The stack owns its commands. Each remembers its stage, so undoing it
    // goes back to that stage whichever is shown by then.
    undo_->push(new EditCommand(edit, doc_.current(), [this](int index, const game::StageDesc& s) {
        doc_.setStage(index, s);
        emit stageUpdated(index);
    }));
}

void PackKeeper::replaceStage(const game::StageDesc& stage, const game::Phrase& description) {
    if (stage == this->stage()) return;
    push(Edit{Edit::Field::Board, this->stage(), stage, description});
}

void PackKeeper::rewordSteps() {
    // The stack hands its steps out read-only; their words are no part of
    // what they do, and every step on it is one of ours.
    for (int i = 0; i < undo_->count(); ++i)
        if (auto* step = dynamic_cast<const WordedCommand*>(undo_->command(i)))
            const_cast<WordedCommand*>(step)->reword();
}

void PackKeeper::takeAnswer(const AnswerMarks& answer) {
    // Taken quietly, so it must not come back as a change: an answer equal to
    // the one the stage holds (no marks on a board with no blocks, say) would
    // send the proof round again and again.
    if (answer == stage().answer) return;
    game::StageDesc taken = stage();
    taken.answer = answer;
    doc_.setStage(doc_.current(), taken);
    emit answerTaken();
}

void PackKeeper::select(int index) {
    if (index == doc_.current() || !doc_.select(index)) return;
    emit stageUpdated(index);
}

void PackKeeper::pushPackEdit(std::optional<PackEdit> edit) {
    if (!edit) {
        emit packReplaced();  // a drop that moved nothing still moved the list's item
        return;
    }
    undo_->push(new PackStep(std::move(*edit), [this](const PackContents& contents) {
        doc_.setContents(contents);
        emit packReplaced();
    }));
}

QString PackKeeper::title() const {
    QString name = text(doc_.info().name);
    if (name.isEmpty() && !doc_.folder().empty()) name = QDir(text(doc_.folder())).dirName();
    if (name.isEmpty()) name = tr("Untitled");
    if (doc_.readOnly()) name = tr("%1 (read-only)").arg(name);
    return name;
}

void PackKeeper::setDocument(PackDocument doc) {
    doc_ = std::move(doc);
    undo_->clear();
    emit packReplaced();
}

void PackKeeper::adoptUnsaved(PackDocument doc) {
    setDocument(std::move(doc));
    undo_->resetClean();
}

void PackKeeper::tellError(const QString& title, const QString& message) {
    if (reportError_) {
        reportError_(title, message);
        return;
    }
    QMessageBox::warning(window_, title, message);
}

void PackKeeper::newPack() {
    if (mayDiscard()) setDocument(PackDocument());
}

void PackKeeper::openFile() {
    if (!mayDiscard()) return;
    const QString file = QFileDialog::getOpenFileName(window_, tr("Open a Pack File"), besidePack(),
                                                      packFileFilter());
    if (!file.isEmpty()) openPath(file);
}

void PackKeeper::openFolder() {
    if (!mayDiscard()) return;
    const QString folder =
        QFileDialog::getExistingDirectory(window_, tr("Open a Pack Folder"), besidePack());
    if (!folder.isEmpty()) openPath(folder);
}

void PackKeeper::openRecent(const QString& path) {
    if (mayDiscard()) openPath(path);
}

QString PackKeeper::besidePack() const {
    return doc_.folder().empty() ? QString() : QFileInfo(text(doc_.folder())).absolutePath();
}

bool PackKeeper::openPath(const QString& path) {
    const std::string where = path.toStdString();
    auto read = game::openAnyPack(where);
    if (auto* e = std::get_if<game::FileError>(&read)) {
        tellError(tr("Cannot Open the Pack"),
                  tr("The pack in %1 does not open, and nothing was changed:\n%2")
                      .arg(path, qtfront::phraseText(e->words)));
        return false;
    }
    const auto& contents = std::get<game::PackContents>(read);
    const PackForm form = game::isPackFilePath(where) ? PackForm::File : PackForm::Folder;
    // A folder of stages without pack.ini is the game's own kind: saved
    // elsewhere, as the game's stages are, never over it.
    const bool gameStages = form == PackForm::Folder && !game::isPack(where);
    setDocument(PackDocument(contents.pack, where, gameStages, form));
    if (!gameStages) rememberRecent(path);
    emit opened(contents);
    return true;
}

bool PackKeeper::openGameStages() {
    if (!mayDiscard()) return false;
    const game::GameFolders folders = game::findGameFolders(
        QCoreApplication::applicationDirPath().toStdString(), LUMORA_DATA_FROM_BIN,
        qEnvironmentVariable("XDG_DATA_HOME").toStdString(), QDir::homePath().toStdString());
    auto opened = game::openGameStages(folders.stages);
    if (auto* e = std::get_if<game::FileError>(&opened)) {
        tellError(tr("Cannot Open the Game's Stages"), qtfront::phraseText(e->words));
        return false;
    }
    setDocument(PackDocument(std::move(std::get<game::Pack>(opened)), folders.stages, true));
    return true;
}

bool PackKeeper::save() {
    if (doc_.readOnly() || doc_.folder().empty()) return saveAsFile();
    return saveTo(text(doc_.folder()), doc_.form());
}

bool PackKeeper::saveAsFile() {
    QString file = QFileDialog::getSaveFileName(window_, tr("Save the Pack as a File"),
                                                besidePack(), packFileFilter());
    if (file.isEmpty()) return false;
    // The suffix is what a file manager knows a pack file by.
    if (!file.endsWith(text(game::kPackFileSuffix))) file += text(game::kPackFileSuffix);
    return saveTo(file, PackForm::File);
}

bool PackKeeper::saveAsFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        window_, tr("Save the Pack in an Empty Folder"), besidePack());
    if (folder.isEmpty()) return false;
    const bool same = !doc_.readOnly() && QDir(folder) == QDir(text(doc_.folder()));
    if (!same && game::isPack(folder.toStdString()) &&
        QMessageBox::question(window_, tr("Replace the Pack?"),
                              tr("%1 holds a pack already. Replace it with this one?").arg(folder),
                              QMessageBox::Yes | QMessageBox::Cancel,
                              QMessageBox::Cancel) != QMessageBox::Yes)
        return false;
    return saveTo(folder, PackForm::Folder);
}

bool PackKeeper::saveTo(const QString& path, PackForm form) {
    const SolutionOf none = [](const game::StageDesc&) {
        return KnownSolution{NoSolution::NotProven, {}};
    };
    const PackWithSolutions out = withSolutions(doc_.pack(), solutionOf_ ? solutionOf_ : none);
    if (form == PackForm::File && !mayGoWithout(out.without)) return false;
    const std::string where = path.toStdString();
    const auto refused = form == PackForm::File ? game::writePackFile(where, out.contents)
                                                : game::writePackFolder(where, out.contents);
    if (refused) {
        tellError(
            tr("Cannot Save the Pack"),
            tr("The pack was not saved in %1:\n%2").arg(path, qtfront::phraseText(refused->words)));
        return false;
    }
    doc_.savedTo(where, form);
    undo_->setClean();
    rememberRecent(path);
    emit saved();
    emit filed();
    return true;
}

bool PackKeeper::mayGoWithout(const std::vector<StageWithout>& without) {
    if (without.empty()) return true;
    QStringList lines;
    for (std::size_t i = 0; i < without.size() && i < kMostStagesNamed; ++i)
        lines << tr("Stage %1: %2").arg(without[i].number).arg(whyWithout(without[i].why));
    if (without.size() > kMostStagesNamed)
        lines << tr("and %n more", "", static_cast<int>(without.size() - kMostStagesNamed));
    QMessageBox box(QMessageBox::Question, tr("Save Without Solutions?"),
                    tr("The pack file will carry no solution for these stages:\n\n%1\n\n"
                       "A player's copy cannot show they are solvable. Save it anyway?")
                        .arg(lines.join(QLatin1Char('\n'))),
                    QMessageBox::Cancel, window_);
    QPushButton* anyway = box.addButton(tr("Save &Anyway"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == anyway;
}

bool PackKeeper::mayDiscard() {
    if (undo_->isClean()) return true;
    const auto answer = QMessageBox::question(
        window_, tr("Save the Changes?"), tr("The pack has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void PackKeeper::rememberRecent(const QString& path) {
    QSettings s = settings();
    QStringList recent = s.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kMaxRecent) recent.removeLast();
    s.setValue(kRecentKey, recent);
}

QStringList PackKeeper::recentPacks() const {
    QSettings s = settings();
    QStringList recent = s.value(kRecentKey).toStringList();
    // A pack moved or deleted since is no longer offered.
    recent.erase(std::remove_if(recent.begin(), recent.end(),
                                [](const QString& f) { return !packStillThere(f.toStdString()); }),
                 recent.end());
    s.setValue(kRecentKey, recent);
    return recent;
}

}  // namespace workshop
