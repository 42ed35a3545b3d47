// The main window's state at the start and the close: the data file read, locked and written.
#include <utility>

#include <QFileInfo>

#include "platform/ui_text.h"
#include "shell/main_state.h"
#include "storage/data_path.h"

namespace xs {

namespace {

// Beside the data file, for the puzzles of a session that may not write over the file there.
constexpr const char* kSessionSuffix = ".session";

QString FreeSessionName(const QString& dataFile) {
    const QString first = InspectDataPath(dataFile).Resolved + QLatin1String(kSessionSuffix);
    for (int n = 0; n < 1000; ++n) {
        const QString name = n == 0 ? first : first + QLatin1Char('.') + QString::number(n);
        const QFileInfo info(name);
        if (!info.exists() && !info.isSymLink()) return name;
    }
    return first;
}

}  // namespace

const TOptionTexts kKeepFileOptions{"Save this session's puzzles in a new file",
                                    "Close without saving them", "", "", ""};

TMainState::TMainState(TDataFileRecord& file, TDataFilePaths paths, TMessages& messages,
                       TSolveHooks hooks, TFileOps& ops)
    : File_(file),
      Paths_(std::move(paths)),
      Messages_(messages),
      Hooks_(std::move(hooks)),
      Ops_(ops) {}

std::string OpenElsewhereText(const QString& path) {
    return UiText(
               "These Cross Sums puzzles are open in another window:\n\r%1\n\r\n\rThis window "
               "closes and leaves them as they are.")
        .arg(path)
        .toStdString();
}

std::string HeldElsewhereText(const QString& path, const TLockResult& held) {
    if (held.Holder == TLockHolder::Game) return OpenElsewhereText(path);
    const bool companion = held.Holder == TLockHolder::Companion;
    const QString companionName = QString::fromLatin1(kCompanionLockName);
    QString who = companion ? companionName : UiText("another program");
    if (held.Pid > 0) who = UiText("%1 (process %2)").arg(who).arg(held.Pid);
    return UiText(
               "These Cross Sums puzzles are in use by %1:\n\r%2\n\r\n\rThis window closes "
               "and leaves them as they are. Start the game again when %3 has finished.")
        .arg(who, path, companion ? companionName : UiText("that program"))
        .toStdString();
}

std::string UnusablePathText(const QString& path, const QString& problem) {
    return UiText(
               "The Cross Sums puzzles cannot be kept at\n\r%1\n\rbecause %2.\n\r\n\rThe game "
               "starts with no puzzles and leaves it as it is; nothing of this session can be "
               "saved there.")
        .arg(path, problem)
        .toStdString();
}

std::string LinkToNewFileText(const QString& path, const QString& target) {
    return UiText(
               "The Cross Sums puzzles at\n\r%1\n\rare kept in the file it links "
               "to,\n\r%2\n\rwhich "
               "does not exist yet.\n\r\n\rThe game starts with no puzzles and makes that file "
               "when it closes.")
        .arg(path, target)
        .toStdString();
}

std::string NoLockText(const QString& path, const QString& reason) {
    return UiText(
               "The Cross Sums puzzles at\n\r%1\n\rcannot be locked: %2.\n\r\n\rThe game goes "
               "on, but another window or %3 could change them at the same time.")
        .arg(path, reason, QString::fromLatin1(kCompanionLockName))
        .toStdString();
}

std::string UnreadableFileText(const QString& path, const QString& aside) {
    if (aside.isEmpty())
        return UiText(
                   "The Cross Sums puzzles could not be read from\n\r%1\n\r\n\rThe file could "
                   "not be moved aside either, so it is left as it is and nothing of this "
                   "session will be saved.")
            .arg(path)
            .toStdString();
    return UiText(
               "The Cross Sums puzzles could not be read from\n\r%1\n\r\n\rThe file has been "
               "kept as\n\r%2\n\rand the game starts with no puzzles.")
        .arg(path, aside)
        .toStdString();
}

TStartUpResult TMainState::StartUp(const TScreenMetrics& screen, TProgramFonts& fonts) {
    TStartUpResult result;
    Lock_ = std::make_unique<TDataFileLock>(Paths_.DataFile);
    // Nothing is locked, read or written where no file can be: a pipe, a device, a folder.
    const QString problem = DataPathProblem(Paths_.DataFile);
    if (problem.isEmpty()) {
        const TLockResult locked = Lock_->TryLock();
        if (locked.Status == TLockStatus::HeldByOther) {
            Closed_ = true;
            Messages_.ShowMsg(HeldElsewhereText(Paths_.DataFile, locked), TButtons::OkOnly);
            result.OpenElsewhere = true;
            return result;
        }
        if (locked.Status == TLockStatus::NotPossible)
            Messages_.ShowMsg(NoLockText(Paths_.DataFile, locked.Reason), TButtons::OkOnly);
    }
    if (screen.FontClass == TFontClass::ExtraLarge) {
        Messages_.ShowMsg(kExtraLargeFontsText, TButtons::OkOnly);
    }
    if (const TDataPath found = InspectDataPath(Paths_.DataFile);
        problem.isEmpty() && found.Kind == TPathKind::DanglingLink) {
        File_.Settings.Valid = 0;
        Messages_.ShowMsg(LinkToNewFileText(Paths_.DataFile, found.Resolved), TButtons::OkOnly);
    } else if (!problem.isEmpty()) {
        File_.Settings.Valid = 0;
        Messages_.ShowMsg(UnusablePathText(Paths_.DataFile, problem), TButtons::OkOnly);
    } else if (const bool own = DataFileToRead(Paths_) == Paths_.DataFile;
               ReadDataFile(File_, Paths_)) {
        ReadAtStart_ = own;
        // Counters from a damaged file would hide puzzles from every screen; the slots decide.
        File_.Library.Counts = CountSlots(File_.Library);
    } else if (IsUnreadableDataFile(Paths_.DataFile)) {
        // Kept now rather than at the close, so that it is safe however this run ends.
        const QString aside = SetAsideUnreadable(Paths_.DataFile);
        Messages_.ShowMsg(UnreadableFileText(Paths_.DataFile, aside), TButtons::OkOnly);
    }

    TSettings& settings = File_.Settings;
    result.Window =
        settings.Valid == 1 ? RestoreWindow(settings, screen) : DefaultWindow(settings, screen);
    ApplyFontSize(settings.FontSize, fonts);

    Current_ = TScreenId::Solve;
    result.FirstRun = settings.Valid != 1;
    FirstRunOverview = result.FirstRun;
    return result;
}

std::string NotReadText(const QString& path, const TLockResult& held) {
    const QString there = held.Status == TLockStatus::HeldByOther
                              ? UiText("another program holds them now: %1").arg(held.Reason)
                              : UiText("a file is there now");
    return UiText(
               "This session started without the Cross Sums puzzles at\n\r%1\n\rand "
               "%2.\n\r\n\rThat "
               "file is left as it is: this session did not read it.")
        .arg(path, there)
        .toStdString();
}

std::string SavedElsewhereText(const QString& file) {
    return UiText(
               "The puzzles of this session are saved in\n\r%1\n\r\n\rTo play them, start the "
               "game with --data and that file.")
        .arg(file)
        .toStdString();
}

bool TMainState::Close(const TWindowRect& window, bool mayAsk) {
    if (Closed_) return false;
    Closed_ = true;
    if (mayAsk) OfferToSave();
    TSettings& settings = File_.Settings;
    settings.WindowHeight = window.Height;
    settings.WindowWidth = window.Width;
    settings.WindowTop = window.Top;
    settings.WindowLeft = window.Left;
    SaveAtClose(mayAsk);
    if (Lock_) Lock_->Unlock();
    return true;
}

void TMainState::SaveAtClose(bool mayAsk) {
    for (;;) {
        // The lock comes first: what is at the path is looked at, and written, with no other
        // writer about.
        const TLockResult locked = LockForTheSave();
        const bool heldElsewhere = locked.Status == TLockStatus::HeldByOther;
        if (!ReadAtStart_ &&
            (heldElsewhere || InspectDataPath(Paths_.DataFile).Kind == TPathKind::RegularFile)) {
            KeepUnreadFile(mayAsk, locked);
            return;
        }
        TSaveResult saved;
        if (heldElsewhere) {
            saved.Path = Paths_.DataFile;
            saved.Problem = locked.Reason;
        } else {
            saved = SaveDataFile(File_, Paths_, TValidMark::Set, Lock_.get(), Ops_);
        }
        FileHoldsSession_ = saved.Saved || saved.NewInPlace;
        if (saved.Saved) {
            if (!saved.Untidy.isEmpty())
                Messages_.ShowMsg(UiText("The puzzles are saved in\n\r%1\n\rbut %2.")
                                      .arg(Paths_.DataFile, saved.Untidy)
                                      .toStdString(),
                                  TButtons::OkOnly);
            return;
        }
        if (!mayAsk) {
            Messages_.ShowMsg(SaveFailureText(saved), TButtons::OkOnly);
            return;
        }
        const int answer = Messages_.ShowOptions(
            SaveFailureText(saved) + UiText("\n\r\n\rThe puzzles of this session are still here: "
                                            "try the save again once the cause is mended, or "
                                            "close without saving them.")
                                         .toStdString(),
            2, kSaveFailedOptions, false, false);
        if (answer != OptionResult(0)) return;
    }
}

TLockResult TMainState::LockForTheSave() {
    TLockResult locked;
    locked.Status = TLockStatus::Locked;
    if (Lock_ && Lock_->IsLocked()) return locked;
    // Nothing is locked where no file can be; the save then says why.
    locked.Status = TLockStatus::NotPossible;
    if (!DataPathProblem(Paths_.DataFile).isEmpty()) return locked;
    // Made anew: a path that led nowhere at the start may lead into a folder made since.
    Lock_ = std::make_unique<TDataFileLock>(Paths_.DataFile);
    return Lock_->TryLock();
}

void TMainState::KeepUnreadFile(bool mayAsk, const TLockResult& held) {
    const std::string kept = NotReadText(Paths_.DataFile, held);
    if (CountSlots(File_.Library).Total == 0) {
        Messages_.ShowMsg(
            kept + UiText(" This session holds no puzzles, so nothing is saved.").toStdString(),
            TButtons::OkOnly);
        return;
    }
    for (;;) {
        // Without a dialog the puzzles are kept aside unasked, since nothing is written over.
        const int answer =
            mayAsk ? Messages_.ShowOptions(kept + UiText("\n\r\n\rThe puzzles of this session can "
                                                         "be saved in a new file beside it, or not "
                                                         "at all.")
                                                      .toStdString(),
                                           2, kKeepFileOptions, false, false)
                   : OptionResult(0);
        if (answer != OptionResult(0)) return;
        TDataFilePaths aside;
        aside.DataFile = FreeSessionName(Paths_.DataFile);
        TDataFileLock asideLock(aside.DataFile);
        asideLock.TryLock();
        const TSaveResult saved = SaveDataFile(File_, aside, TValidMark::Set, &asideLock, Ops_);
        if (saved.Saved) {
            SavedElsewhere_ = aside.DataFile;
            Messages_.ShowMsg(
                (mayAsk ? std::string() : kept + "\n\r\n\r") + SavedElsewhereText(aside.DataFile),
                TButtons::OkOnly);
            return;
        }
        Messages_.ShowMsg(SaveFailureText(saved), TButtons::OkOnly);
        if (!mayAsk) return;
    }
}

std::string TMainState::Abandon() {
    if (Lock_) Lock_->Unlock();
    const QString said = FileHoldsSession_
                             ? UiText("%1 holds the puzzles of this session").arg(Paths_.DataFile)
                         : SavedElsewhere_.isEmpty()
                             ? UiText("%1 is as it was; the puzzles of this session are not saved")
                                   .arg(Paths_.DataFile)
                             : UiText("%1 is as it was; the puzzles of this session are in %2")
                                   .arg(Paths_.DataFile, SavedElsewhere_);
    return said.toStdString();
}

}  // namespace xs
