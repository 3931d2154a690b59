# The C++ pages of a folder of units before and after extraction, lexed by
# libclang: tokens must be equal except where a run of adjacent string
# literals became the expression that names its entry (StringN, Root->StringN,
# Root->LoadTextRC(N) or (Root->LoadTextRC(N)).c_str()).
#   token_check.py BEFORE_DIR AFTER_DIR      (exit 1 on any other change)
import os
import sys

import clang.cindex as ci

ci.Config.set_library_file('/usr/lib/llvm-14/lib/libclang.so.1')
idx = ci.Index.create()
def text(path):
    b = open(path,'rb').read()
    for bom in (b'\xef\xbb\xbf',):
        if b.startswith(bom): b = b[len(bom):]
    try: return b.decode('utf-8')
    except UnicodeDecodeError: return b.decode('cp1252', errors='replace')
def toks(path):
    s = text(path)
    tu = idx.parse('x.cpp', args=['-x','c++','-std=c++20'], unsaved_files=[('x.cpp', s)],
                   options=ci.TranslationUnit.PARSE_INCOMPLETE | ci.TranslationUnit.PARSE_SKIP_FUNCTION_BODIES)
    return [(t.kind.name, t.spelling) for t in tu.get_tokens(extent=tu.cursor.extent) if t.kind.name != 'COMMENT']
def isstr(t):
    k, s = t
    return k == 'LITERAL' and (s[:1] == '"' or s[:2] in ('L"','u"','U"') or s[:3] == 'u8"')
bad = 0; total = 0; replaced = 0
old_root, new_root = sys.argv[1], sys.argv[2]
for f in sorted(os.listdir(new_root)):
    if not f.lower().endswith('.cpp') or '.norc.' in f or '.loadrc.' in f: continue
    src = None
    for r, _, fs in os.walk(old_root):
        if f in fs: src = os.path.join(r, f); break
    a, b = toks(src), toks(os.path.join(new_root, f))
    total += 1
    i = j = 0
    while i < len(a) or j < len(b):
        if i < len(a) and j < len(b) and a[i] == b[j]:
            i += 1; j += 1; continue
        # Old: a run of adjacent string literals; new: an expression up to the old text's next token.
        k = i
        while k < len(a) and isstr(a[k]): k += 1
        nxt = a[k] if k < len(a) else None
        # The expression that names the entry: StringN, Root->StringN or Root->LoadTextRC(N).
        sp = [t[1] for t in b[j:j+6]]
        if sp[:1] and sp[0].startswith('String'): m = j + 1
        elif len(sp) >= 3 and sp[1] == '->' and sp[2].startswith('String'): m = j + 3
        elif len(sp) == 6 and sp[1:4] == ['->', 'LoadTextRC', '('] and sp[4].isdigit() and sp[5] == ')': m = j + 6
        elif [t[1] for t in b[j:j+12]][:1] == ['('] and [t[1] for t in b[j+7:j+12]] == [')', '.', 'c_str', '(', ')']: m = j + 12
        else: m = j
        if k == i or m == j or (nxt is not None and (m >= len(b) or b[m] != nxt)):
            bad += 1; print('DIFF', f, a[i:i+4], b[j:j+4]); break
        replaced += 1; i, j = k, m
print(f'{total} pages, {replaced} replaced stretches, {bad} other changes')
# Every unit's page is checked, and a check over no page proves nothing.
units = sorted(f for _, _, fs in os.walk(old_root) for f in fs if f.lower().endswith('.cpp'))
missing = [f for f in units if not os.path.exists(os.path.join(new_root, f))]
for f in missing:
    print('NOT WRITTEN', f)
if total == 0:
    print('no C++ page was checked: failed')
sys.exit(1 if bad or missing or total == 0 else 0)
