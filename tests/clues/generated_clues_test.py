#!/usr/bin/python3
"""Generated clues, checked from what the clue tool prints and nothing else of the program.

For 1,000 seeds of every number of cars and level, `parcolo-clues --generate ... --facts` prints
each clue with its facts as conditions on p[k] (the place of car k). Read with Python's own eyes:
  - exactly one order of the cars satisfies all the facts, and it is the hidden one (car k at k);
  - the clue is minimal: without any one fact, more than one order is left;
  - its grade is its level: for each wrong (car, place) pair the fewest facts that rule it out
    together, their maximum D and how many pairs need D; Facile D = 1, Medio D = 2 (three cars:
    one pair), Difficile D >= 3 (three cars: D = 2 for two pairs or more);
  - it has one sentence per fact and no more sentences than its number of cars allows;
  - the same seed gives the same clue.
In every shipped language the sentences are well formed: no double blank, no blank before a
full stop or a comma, a capital first letter, every car a fact speaks of named (its colour's name
or a form of it), and every kind of fact has the language's own template.

usage: generated_clues_test.py PARCOLO_CLUES DATA_DIR
"""

import itertools
import os
import re
import subprocess
import sys

LEVELS = ("facile", "medio", "difficile")
MOST = {3: 3, 4: 5, 5: 6}
SEEDS = 1000
FIRST_SEED = 20261208
FAILURES = []


def fail(message):
    FAILURES.append(message)
    if len(FAILURES) <= 20:
        print("FAIL:", message)


def run(tool, *args):
    return subprocess.run([tool] + [str(a) for a in args], capture_output=True, text=True, check=True).stdout


def clues(text):
    """Blocks of the tool's output: (header, sentences, conditions)."""
    out = []
    for block in text.strip("\n").split("\n\n"):
        lines = block.split("\n")
        facts = [l[len("fact: "):] for l in lines[1:] if l.startswith("fact: ")]
        sentences = [l for l in lines[1:] if not l.startswith(("fact: ", "code: "))]
        codes = [l for l in lines[1:] if l.startswith("code: ")]
        if len(codes) != 1:
            fail("%s: %d code lines" % (lines[0], len(codes)))
        out.append((lines[0], sentences, facts))
    return out


def compiled(condition):
    expression = condition.replace("&&", " and ").replace("||", " or ")
    if not re.fullmatch(r"[ p\[\]0-9<>=!\-+()absndor]*", expression):
        raise ValueError("not a condition: " + condition)
    return eval("lambda p: " + expression, {"abs": abs})


def check_logic(n, level, header, facts):
    orders = list(itertools.permutations(range(n)))
    tests = [compiled(c) for c in facts]
    holds = [sum(1 << i for i, t in enumerate(tests) if t(order)) for order in orders]
    everything = (1 << len(tests)) - 1
    left = [order for order, h in zip(orders, holds) if h == everything]
    if left != [tuple(range(n))]:
        return fail("%s: the facts leave %s, not the hidden order alone" % (header, left))
    for i in range(len(tests)):
        without = everything & ~(1 << i)
        if sum(1 for h in holds if h & without == without) == 1:
            return fail("%s: fact %d (%s) is not needed" % (header, i, facts[i]))
    # The fewest facts ruling out each wrong pair.
    needs = {}
    for size in range(1, len(tests) + 1):
        for subset in itertools.combinations(range(len(tests)), size):
            mask = sum(1 << i for i in subset)
            possible = set()
            for order, h in zip(orders, holds):
                if h & mask == mask:
                    possible.update((car, order[car]) for car in range(n))
            for car in range(n):
                for place in range(n):
                    if place != car and (car, place) not in possible and (car, place) not in needs:
                        needs[(car, place)] = size
        if len(needs) == n * (n - 1):
            break
    deepest = max(needs.values())
    pairs = sum(1 for v in needs.values() if v == deepest)
    meets = {
        "facile": deepest == 1,
        "medio": deepest == 2 and (n > 3 or pairs == 1),
        "difficile": deepest >= 3 if n > 3 else deepest == 2 and pairs >= 2,
    }[level]
    if not meets:
        fail("%s: its deductions need %d sentences (%d pairs): not %s" % (header, deepest, pairs, level))


def language(data, name):
    """The colour names of each window (by car count) and the colour forms of a language file."""
    values, section = {}, None
    with open(os.path.join(data, name), "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            line = raw.strip()
            if line.startswith("["):
                section = line[1:line.find("]")]
            elif "=" in line and not line.startswith(";"):
                key, value = line.split("=", 1)
                value = value.strip()
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1]
                values.setdefault((section.lower(), key.strip().lower()), value)
    first_key = {3: 145, 4: 173, 5: 32}
    names = {n: {c: values.get(("strings", "%04d" % (first_key[n] + c - 1)), "") for c in range(1, 11)} for n in (3, 4, 5)}
    forms = {}
    for (section, key), value in values.items():
        if section == "colourforms" and "." in key:
            form, colour = key.rsplit(".", 1)
            if colour.isdigit():
                forms.setdefault(int(colour), []).append(value)
    return names, forms


def check_words(language_name, n, header, sentences, facts, names, forms):
    if len(sentences) != len(facts):
        return fail("%s %s: %d sentences for %d facts" % (language_name, header, len(sentences), len(facts)))
    for sentence, condition in zip(sentences, facts):
        where = "%s %s: %r" % (language_name, header, sentence)
        if "  " in sentence or re.search(r" [.,]", sentence) or sentence != sentence.strip():
            fail(where + " has a double blank or a blank before a stop or a comma")
        first = next((c for c in sentence if c.isalpha()), "")
        if not first.isupper():
            fail(where + " does not begin with a capital")
        for car in sorted(set(int(k) for k in re.findall(r"p\[(\d)\]", condition))):
            colour = car + 1
            said = [names[n][colour]] + forms.get(colour, [])
            if not any(s and s.lower() in sentence.lower() for s in said):
                fail(where + " does not name car %d (%s)" % (car, names[n][colour]))


def main():
    tool, data = sys.argv[1], sys.argv[2]
    italian = os.path.join(data, "Italiano.lng")
    for n in (3, 4, 5):
        for level in LEVELS:
            text = run(tool, "--generate", n, level, SEEDS, FIRST_SEED, italian, "--facts")
            generated = clues(text)
            if len(generated) != SEEDS:
                fail("%d cars, %s: %d clues printed" % (n, level, len(generated)))
            for header, sentences, facts in generated:
                if len(facts) > MOST[n] or len(sentences) != len(facts):
                    fail("%s: %d sentences, %d facts" % (header, len(sentences), len(facts)))
                check_logic(n, level, header, facts)
            again = run(tool, "--generate", n, level, 50, FIRST_SEED, italian, "--facts")
            if again != text[:len(again)]:
                fail("%d cars, %s: the same seeds gave other clues" % (n, level))
            print("%d cars, %s: %d clues, each one answer, minimal, of its level" % (n, level, len(generated)))

    for name in sorted(f for f in os.listdir(data) if f.endswith(".lng")):
        path = os.path.join(data, name)
        check = run_check(tool, path)
        if "26 of 26 kinds of fact have a template" not in check:
            fail("%s: %s" % (name, check.strip().splitlines()[-1] if check.strip() else "no check"))
        names, forms = language(data, name)
        for n in (3, 4, 5):
            for level in LEVELS:
                for header, sentences, facts in clues(run(tool, "--generate", n, level, 100, 7, path, "--facts")):
                    check_words(name, n, header, sentences, facts, names, forms)
        print("%s: the sentences of 900 clues are well formed and name their cars" % name)

    if FAILURES:
        print("%d failures" % len(FAILURES))
        sys.exit(1)
    print("PASS")


def run_check(tool, path):
    return subprocess.run([tool, "--check", path], capture_output=True, text=True).stdout


if __name__ == "__main__":
    main()
