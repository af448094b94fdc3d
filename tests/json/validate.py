#!/usr/bin/env python3
"""Validates JSON documents against a JSON Schema (draft 2020-12).

    validate.py SCHEMA [JSON ...]     every JSON file must validate
    validate.py --invalid SCHEMA [JSON ...]   every JSON file must be rejected
    validate.py --check SCHEMA ...    each file must itself be a valid draft 2020-12 schema

A JSON file holding a list is read as one document per element when --each is given.
Exit status 0 when every file meets the expectation, 1 otherwise (each failure is printed).
"""
import json
import sys

from jsonschema import Draft202012Validator


def load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def main(argv):
    invalid = "--invalid" in argv
    check = "--check" in argv
    each = "--each" in argv
    args = [a for a in argv if not a.startswith("--")]
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    failures = 0
    if check:
        for path in args:
            try:
                Draft202012Validator.check_schema(load(path))
            except Exception as error:  # any failure to load or check is reported the same way
                print(f"{path}: not a valid schema: {error}")
                failures += 1
        return 1 if failures else 0
    validator = Draft202012Validator(load(args[0]))
    for path in args[1:]:
        documents = load(path)
        if not each:
            documents = [documents]
        for n, document in enumerate(documents):
            errors = list(validator.iter_errors(document))
            where = f"{path}[{n}]" if each else path
            if invalid and not errors:
                print(f"{where}: accepted, expected a rejection: {json.dumps(document)}")
                failures += 1
            elif not invalid and errors:
                print(f"{where}: rejected: {errors[0].message} at {list(errors[0].absolute_path)}")
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
