#!/usr/bin/env python3
"""Mutation runner for the decision code.

Makes one small fault at a time (a mutant) in a source file, rebuilds only the
test programs that cover that folder, runs them with a time limit and counts
the mutant as killed when a test fails or times out. A mutant that does not
compile is stillborn and does not count. Survivors are listed with file, line
and operator.

  python3 tests/mutation/mutate.py [--sample N] [--seed S] [--folders scan extract]
  python3 tests/mutation/mutate.py --replay results.tsv   # rerun the survivors of an earlier run

It configures a build directory of its own (build-mut, no sanitizers) and
writes every result as a row of build-mut/mutation-results.tsv.
"""
import argparse, os, random, re, subprocess, sys, time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]

# Decision code and the test programs that cover it (the pure ones; the
# window's test programs take too long for one run per mutant).
FOLDERS = {
    "scan": (["scan/*.cpp"], ["scan_tests", "batch_tests"]),
    "extract": (["extract/*.cpp"], ["extract_tests", "batch_tests"]),
    "batch": (["batch/*.cpp"], ["batch_tests", "cli_tests"]),
    "cli": (["cli/*.cpp"], ["cli_tests"]),
    "generate": (["generate/*.cpp"], ["generate_tests"]),
    "platform/core": (["platform/core/StagedFiles*.cpp", "platform/core/FileOps.cpp", "platform/core/FileStamp.cpp"], ["unit_tests", "cli_tests"]),
}

COMPARISONS = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
STATEMENT = re.compile(r"^\s*(\+\+|--)?[A-Za-z_][\w.\->\[\]]*\s*(\+\+|--|=[^=]|\+=|-=|\|=|&=|\(.*\))[^{}]*;\s*$")
DECLARATION = re.compile(r"^\s*(const |static |auto |int |bool |QString |std::|return\b|using\b|[A-Z]\w*(::\w+)*(<[^;]*>)? &?\w+ =)")


def masked(line):
    """The line with string and character literals and comments blanked out."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
            out.append(" " if quote else c)
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum()):
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def mutants(path):
    """(line number, operator, new line) for every site in the file."""
    lines = path.read_text(encoding="utf-8").split("\n")
    in_comment = False
    for no, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "*")):
            continue
        m = masked(line)
        for hit in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", m):
            op = hit.group(1)
            yield no, "flip " + op, line[: hit.start()] + COMPARISONS[op] + line[hit.end():]
        for hit in re.finditer(r"\b(?:if|while) \(", m):
            depth, k = 1, hit.end()
            while k < len(m) and depth:
                depth += {"(": 1, ")": -1}.get(m[k], 0)
                k += 1
            if depth:
                continue
            yield no, "drop condition", line[: hit.end()] + "false" + line[k - 1:]
            # Each operand of a top-level && or ||, dropped with the operator beside it.
            cuts, level = [], 0
            for j in range(hit.end(), k - 1):
                level += {"(": 1, ")": -1}.get(m[j], 0)
                if not level and m[j:j + 4] in (" && ", " || "):
                    cuts.append(j)
            for n in range(len(cuts) + 1 if cuts else 0):
                a, b = (hit.end(), cuts[0] + 4) if n == 0 else (cuts[n - 1], (cuts + [k - 1])[n])
                yield no, "drop operand", line[:a] + line[b:]
        for hit in re.finditer(r"\b(std::max|std::min|qMax|qMin)\b", m):
            swap = {"std::max": "std::min", "std::min": "std::max", "qMax": "qMin", "qMin": "qMax"}[hit.group(1)]
            yield no, hit.group(1) + " -> " + swap, line[: hit.start()] + swap + line[hit.end():]
        if STATEMENT.match(m) and not DECLARATION.match(m) and not stripped.endswith(("{", ",")):
            yield no, "drop statement", re.match(r"^\s*", line).group(0) + ";"
        for hit in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", m):
            n = int(hit.group(1))
            for d in (1, -1):
                if n + d >= 0:
                    yield no, "constant %d -> %d" % (n, n + d), line[: hit.start()] + str(n + d) + line[hit.end():]


def run(cmd, timeout=None, env=None):
    try:
        p = subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, env=env)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def binary(build, target):
    found = list((build / "tests").rglob(target))
    return found[0] if found else None


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default="build-mut")
    ap.add_argument("--folders", nargs="*", default=list(FOLDERS))
    ap.add_argument("--sample", type=int, default=0, help="mutants per folder, drawn at random (0: all)")
    ap.add_argument("--seed", type=int, default=39)
    ap.add_argument("--replay", help="a results file: run its survivors again")
    args = ap.parse_args()
    build = ROOT / args.build
    if not (build / "build.ninja").exists():
        run(["cmake", "-S", ".", "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DVTQX_SANITIZE=OFF",
             "-DVTQX_BENCH=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"])
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTWEBENGINE_DISABLE_SANDBOX="1")

    plan = []  # (folder, file, line, operator, new line)
    if args.replay:
        wanted = set()
        for row in Path(args.replay).read_text().splitlines()[1:]:
            f = row.split("\t")
            if f[0] == "survived":
                wanted.add((f[2], int(f[3]), f[4]))
    for folder in args.folders:
        globs, _ = FOLDERS[folder]
        sites = [(folder, str(p.relative_to(ROOT)), *m) for g in globs for p in sorted(ROOT.glob(g)) for m in mutants(p)]
        if args.replay:
            sites = [s for s in sites if (s[1], s[2], s[3]) in wanted]
        elif args.sample:
            sites = random.Random("%d/%s" % (args.seed, folder)).sample(sites, min(args.sample, len(sites)))
        plan += sites
    # Folder after folder in turn, so that a run cut short still covers each.
    turn = {}
    for k, s in enumerate(plan):
        turn[k] = (sum(p[0] == s[0] for p in plan[:k]), args.folders.index(s[0]))
    plan = [plan[k] for k in sorted(turn, key=turn.get)]

    # Every covering program must pass before anything is mutated; its time sets the limit.
    limits = {}
    for folder in {s[0] for s in plan}:
        for t in FOLDERS[folder][1]:
            if t in limits:
                continue
            rc, out = run(["ninja", "-C", str(build), t])
            if rc != 0:
                sys.exit("build of %s failed:\n%s" % (t, out[-3000:]))
            start = time.time()
            rc, out = run([str(binary(build, t)), "--gtest_brief=1"], env=env)
            if rc != 0:
                sys.exit("%s fails without a mutant:\n%s" % (t, out[-3000:]))
            limits[t] = 3 * (time.time() - start) + 10

    results = build / "mutation-results.tsv"
    with results.open("w") as log:
        log.write("status\tfolder\tfile\tline\toperator\tmutant\tfailed tests\n")
        for i, (folder, file, no, op, new) in enumerate(plan, 1):
            path = ROOT / file
            original = path.read_text(encoding="utf-8")
            lines = original.split("\n")
            lines[no - 1] = new
            try:
                path.write_text("\n".join(lines), encoding="utf-8")
                targets = FOLDERS[folder][1]
                rc, _ = run(["ninja", "-C", str(build)] + targets)
                if rc != 0:
                    status, failed = "stillborn", ""
                else:
                    status, failed = "survived", ""
                    for t in targets:
                        rc, out = run([str(binary(build, t)), "--gtest_brief=1"], timeout=limits[t], env=env)
                        if rc != 0:
                            status = "killed" if rc != "timeout" else "killed (timeout)"
                            failed = " ".join(sorted(set(re.findall(r"^\[  FAILED  \] ([\w/.]+)", out, re.M))))
                            break
            finally:
                path.write_text(original, encoding="utf-8")
            log.write("\t".join([status, folder, file, str(no), op, new.strip(), failed]) + "\n")
            log.flush()
            print("[%d/%d] %-16s %s:%d %s" % (i, len(plan), status, file, no, op), flush=True)
    run(["ninja", "-C", str(build)] + sorted(limits))  # back to the real code

    rows = [r.split("\t") for r in results.read_text().splitlines()[1:]]
    print("\nfolder          killed  survived  stillborn  score")
    for folder in args.folders:
        mine = [r for r in rows if r[1] == folder]
        killed = sum(r[0].startswith("killed") for r in mine)
        survived = sum(r[0] == "survived" for r in mine)
        born = killed + survived
        print("%-15s %6d  %8d  %9d  %s" % (folder, killed, survived, len(mine) - born,
                                           "%d %%" % round(100 * killed / born) if born else "-"))
    print("\nsurvivors:")
    for r in rows:
        if r[0] == "survived":
            print("  %s:%s  %s  | %s" % (r[2], r[3], r[4], r[5]))


if __name__ == "__main__":
    main()
