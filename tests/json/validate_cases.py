#!/usr/bin/env python3
"""Checks JSON texts the library wrote against the schema the library gives for their type.

    validate_cases.py TOOL CASES

CASES holds "TYPE<TAB>FLAGS<TAB>JSON" lines (FLAGS 1: standard names, 0: numbers); TOOL is the
bacnapi command-line tool, whose `schema TYPE [--numbers]` prints the schema. Every text must
validate; exit status 0 when all do, 1 otherwise (each failure is printed).
"""
import json
import subprocess
import sys

from jsonschema import Draft202012Validator


def main(tool, cases_path):
    validators = {}
    checked = failures = 0
    with open(cases_path, encoding="utf-8") as cases:
        for line_number, line in enumerate(cases, 1):
            type_code, flags, text = line.rstrip("\n").split("\t", 2)
            key = (type_code, flags)
            if key not in validators:
                args = [tool, "schema", type_code] + ([] if flags == "1" else ["--numbers"])
                schema = json.loads(subprocess.run(args, check=True, capture_output=True, text=True).stdout)
                Draft202012Validator.check_schema(schema)
                validators[key] = Draft202012Validator(schema)
            errors = list(validators[key].iter_errors(json.loads(text)))
            checked += 1
            if errors:
                failures += 1
                print(f"{cases_path}:{line_number}: type {type_code} flags {flags}: {errors[0].message} "
                      f"at {list(errors[0].absolute_path)} in {text}")
    print(f"{checked} texts of {len({k[0] for k in validators})} types checked, {failures} rejected")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
