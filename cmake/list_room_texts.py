#!/usr/bin/env python3
"""Lists the texts the standard-library rooms translate as a C++ file lupdate reads.

Their calls are not Qt's own, so lupdate cannot read them: xs::Tr(context, source[, n]) and the
teaching solver's logic_words::Say(source, args[, n]) of the "Logic" context, whose source may be
a choice between literals (n == 1 ? "a" : "b"). Each literal becomes QT_TRANSLATE_NOOP here, or
QT_TRANSLATE_N_NOOP when it holds %n (a plural form).
The screens look their texts up by the text itself in the "Texts" context (platform/ui_text.h),
so the literals of the screens' sources that read as words are listed there too.
Usage: list_room_texts.py OUTPUT SOURCE_FOLDER...
"""
import pathlib
import re
import sys

LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')
TOKENS = re.compile(r'"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/', re.S)
CALL = re.compile(r'(?<![\w:])(?:xs::)?(?:logic_words::)?(Tr|Say)\(')


def without_comments(text):
    return TOKENS.sub(lambda m: '' if m.group(0)[0] == '/' else m.group(0), text)


def first_argument(text, start):
    """The text of the call's first argument, from just after its opening parenthesis."""
    depth, i = 0, start
    while i < len(text):
        m = LITERAL.match(text, i)
        if m:
            i = m.end()
            continue
        ch = text[i]
        if ch in '([{':
            depth += 1
        elif ch in ')]}':
            if depth == 0:
                return text[start:i]
            depth -= 1
        elif ch == ',' and depth == 0:
            return text[start:i]
        i += 1
    return text[start:]


def joined_literals(argument):
    """The literals of an argument, adjacent ones joined: one per alternative of a choice."""
    out, run, last = [], [], 0
    for m in LITERAL.finditer(argument):
        if run and argument[last:m.start()].strip():
            out.append(' '.join(run))
            run = []
        run.append(m.group(0))
        last = m.end()
    if run:
        out.append(' '.join(run))
    return out


# The screens' sources whose literals are listed in the "Texts" context.
SCREEN_FOLDERS = ('shell', 'solve', 'manage', 'hints', 'progress', 'cli')
SCREEN_FILES = ('storage/messages.h', 'logic/logic_solver.cpp', 'model/slot_check.cpp',
                'generate/driver.cpp')
NOT_TEXT = re.compile(r'[a-z]{1,5}[A-Z0-9]\w*|[^\s/]*/\S*\.\S*|\S*:/\S*|[\w.]+\.(?:png|svg|dat|txt|csv|html|qm)|'
                      r'Panel\w*|#[0-9A-Fa-f]{6}|QFrame#.*|MS Sans Serif|Arial|Arial Narrow|Small Fonts|Ariel|DejaVu.*|Liberation.*|'
                      r'[^A-Za-z]*')


def screen_texts(src):
    out = []
    root = pathlib.Path(src)
    paths = [p for f in SCREEN_FOLDERS for p in sorted((root / f).rglob('*'))]
    paths += [root / f for f in SCREEN_FILES if (root / f).exists()]
    for path in paths:
        if path.suffix not in ('.cpp', '.h') or 'accessible' in path.name or 'speech' in path.name:
            continue
        text = without_comments(path.read_text(encoding='utf-8'))
        text = re.sub(r'^#\s*include[^\n]*', '', text, flags=re.M)
        for source in joined_literals_all(text):
            body = eval_literal(source)
            if len(body) < 2 or NOT_TEXT.fullmatch(body) or 'Q_' in body:
                continue
            out.append((source, path.name))
    return out


def joined_literals_all(text):
    """Every literal of a file, adjacent ones joined."""
    out, run, last = [], [], 0
    for m in LITERAL.finditer(text):
        if run and text[last:m.start()].strip():
            out.append(' '.join(run))
            run = []
        run.append(m.group(0))
        last = m.end()
    if run:
        out.append(' '.join(run))
    return out


def eval_literal(source):
    return ''.join(m.group(0)[1:-1] for m in LITERAL.finditer(source))


def main():
    output, folders = sys.argv[1], sys.argv[2:]
    lines = ['// Made by cmake/list_room_texts.py for lupdate; never compiled.']
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob('*')):
            if path.suffix not in ('.cpp', '.h'):
                continue
            text = without_comments(path.read_text(encoding='utf-8'))
            for call in CALL.finditer(text):
                if call.group(1) == 'Tr':
                    context = first_argument(text, call.end())
                    if not LITERAL.fullmatch(context.strip()):
                        continue
                    after = call.end() + len(context) + 1
                    sources = joined_literals(first_argument(text, after))
                    context = context.strip()
                else:
                    context = '"Logic"'
                    sources = joined_literals(first_argument(text, call.end()))
                for source in sources:
                    macro = 'QT_TRANSLATE_N_NOOP' if '%n' in source else 'QT_TRANSLATE_NOOP'
                    lines.append(f'{macro}({context}, {source});  // {path.name}')
    seen = set()
    for folder in folders:
        for source, name in screen_texts(folder):
            if source in seen:
                continue
            seen.add(source)
            lines.append(f'QT_TRANSLATE_NOOP("Texts", {source});  // {name}')
    new = '\n'.join(lines) + '\n'
    out = pathlib.Path(output)
    if not out.exists() or out.read_text(encoding='utf-8') != new:
        out.write_text(new, encoding='utf-8')


if __name__ == '__main__':
    main()
