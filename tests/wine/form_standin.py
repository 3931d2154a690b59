#!/usr/bin/env python3
"""A stand-in for a form's objects, made from its identifiers file.

    form_standin.py CLASS IDS_FILE OUT_DIR

Each property path of IDS_FILE (Root->Label1->Caption, Root->ListBox1->Items->
Strings[2], Root->ListView1->Columns->Items[1]->Caption) becomes members that
the generated form code can assign through: an object is a value behind
operator->, an indexed part an array. Writes form.inc (the stand-in types and
the form class CLASS) and show.inc (X("Root.Label1.Caption", form.Label1->Caption)
per path).
"""
import re
import sys

cls, ids_file, out = sys.argv[1:4]
paths = [line.split('\t')[0] for line in open(ids_file, encoding='latin-1').read().splitlines() if '\t' in line]


def node():
    return {'kids': {}, 'size': 0}


tree = node()
for path in paths:
    parts = path.split('->')[1:]
    at = tree
    for i, part in enumerate(parts):
        name, index = re.fullmatch(r'(\w+)(?:\[(\d+)\])?', part).groups()
        kid = at['kids'].setdefault(name, node())
        kid['leaf'] = i == len(parts) - 1
        if index is not None:
            kid['size'] = max(kid['size'], int(index) + 1)
        at = kid

types = []


def members(n):
    lines = []
    for name, kid in n['kids'].items():
        array = '[%d]' % kid['size'] if kid['size'] else ''
        if kid['leaf']:
            lines.append('  String %s%s;' % (name, array))
        else:
            body = members(kid)
            types.append('struct S%d\n{\n%s\n};' % (len(types), '\n'.join(body)))
            lines.append('  P<S%d> %s%s;' % (len(types) - 1, name, array))
    return lines


form = members(tree)
with open(out + '/form.inc', 'w') as f:
    f.write('template <class T> struct P\n{\n  T v;\n  T *operator->() { return &v; }\n};\n')
    f.write('\n'.join(types) + '\n')
    f.write('class %s\n{\npublic:\n  void __fastcall LoadFormTextsRC();\n%s\n};\n' % (cls, '\n'.join(form)))
with open(out + '/show.inc', 'w') as f:
    for path in paths:
        f.write('X("%s", form.%s)\n' % (path.replace('->', '.'), '->'.join(path.split('->')[1:])))
