// "print": selected puzzles and answers as a PDF file, on the same pages the game prints.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "cli/args.h"

namespace xs::cli {

extern const TCommandSpec kPrintCommand;

// The application object for a run of the companion: printing measures and draws text, which
// needs Qt's GUI side (on the offscreen platform unless another is asked for); every other
// command runs on Qt Core alone.
std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);

}  // namespace xs::cli
