<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n puzzles selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n squares</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 x %2, %n star</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>across %1 in %n squares</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>down %1 in %n squares</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marks %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer among them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving a puzzle; the cursor is on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Squares changed: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Checked: nothing wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked. Wrong entries: %1. Marks that leave out the answer: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Make, solve and print Cross Sums puzzles.
Qt&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME, ...) are accepted as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the puzzles in FILE instead of the game&apos;s own data file (nothing is imported). Its lock, links and what may not be written over are treated as for the game&apos;s own file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>try --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopAccess</name>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n star puzzles to create</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: one more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: one less</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logic</name>
    <message>
        <source>The %1 needs %2 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
