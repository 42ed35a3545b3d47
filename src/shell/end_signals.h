// Ending the game by a signal: a kill, a closed terminal or Ctrl-C save as the end of a session.
#pragma once

class QCoreApplication;

namespace xs {

class TfrmMain;

// Catches SIGTERM, SIGHUP and SIGINT for the rest of the run. The handler only hands the signal
// over; the event loop then stops a batch of the create screen at its next poll (the puzzles
// already made stay) and ends with 128 + the signal's number, and leaving the loop saves as the
// end of a desktop session does. Returns false when the signals could not be caught.
bool EndOnSignals(QCoreApplication& app, TfrmMain& main);

}  // namespace xs
