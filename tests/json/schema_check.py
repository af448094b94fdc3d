#!/usr/bin/env python3
"""Checks the schemas the bacnapi tool prints (bacnapi schema TYPE).

    schema_check.py TOOL CASES

1. Every type code that brace text can read (bacnapi types lists "brace" for it) has a schema,
   with names and with numbers, and each is a valid draft 2020-12 schema whose references all
   resolve to an entry of its own $defs.
2. For each type in CASES (a JSON file: type name -> {"valid": [...], "invalid": [...]}, values
   in the bare JSON form, each wrapped in the envelope here), every valid value validates and
   every invalid one is rejected, both in the envelope and bare (against the $defs entry named
   by the type); values under "names" need the names schema and are rejected by the numbers one.
Exit status 0 when everything holds; each failure is printed.
"""
import json
import subprocess
import sys

from jsonschema import Draft202012Validator

failures = []


def fail(message):
    failures.append(message)
    print(message)


def schema_of(tool, type_name, names):
    flag = "--names" if names else "--numbers"
    run = subprocess.run([tool, "schema", type_name, flag], capture_output=True, text=True)
    if run.returncode != 0:
        return None
    return json.loads(run.stdout)


def references(node):
    if isinstance(node, dict):
        for key, value in node.items():
            if key == "$ref":
                yield value
            else:
                yield from references(value)
    elif isinstance(node, list):
        for value in node:
            yield from references(value)


def check_document(type_name, schema):
    try:
        Draft202012Validator.check_schema(schema)
    except Exception as error:  # any schema error is reported the same way
        fail(f"{type_name}: not a valid schema: {error}")
    defs = schema.get("$defs", {})
    for ref in references(schema):
        prefix = "#/$defs/"
        if not ref.startswith(prefix) or ref[len(prefix):] not in defs:
            fail(f"{type_name}: unresolved reference {ref}")


def brace_types(tool):
    run = subprocess.run([tool, "types"], capture_output=True, text=True, check=True)
    for line in run.stdout.splitlines():
        code, name, forms = line.split("\t")
        if "brace" in forms.split(","):
            yield int(code), name


def envelope(type_name, value):
    return {"type": type_name, "value": value}


def main(tool, cases_path):
    checked = 0
    for code, name in brace_types(tool):
        for names in (True, False):
            schema = schema_of(tool, str(code), names)
            if schema is None:
                fail(f"{name} ({code}): no schema")
                continue
            if schema["title"] != name:
                fail(f"{name}: schema titled {schema['title']}")
            check_document(name, schema)
            checked += 1
    with open(cases_path, encoding="utf-8") as f:
        cases = json.load(f)
    counted = 0
    for type_name, groups in cases.items():
        with_names = Draft202012Validator(schema_of(tool, type_name, True))
        with_numbers = Draft202012Validator(schema_of(tool, type_name, False))
        # A bare value is checked against the entry named by its type.
        bare_schema = dict(with_numbers.schema)
        bare_schema.pop("properties")
        bare_schema.pop("required")
        bare_schema.pop("additionalProperties")
        bare_schema.pop("type")
        bare_schema["$ref"] = "#/$defs/" + with_numbers.schema["title"]
        bare = Draft202012Validator(bare_schema)
        for value in groups.get("valid", []):
            for validator, kind in ((with_names, "names"), (with_numbers, "numbers")):
                errors = list(validator.iter_errors(envelope(type_name, value)))
                if errors:
                    fail(f"{type_name} ({kind}): rejected {json.dumps(value)}: {errors[0].message}")
            if not bare.is_valid(value):
                fail(f"{type_name} (bare): rejected {json.dumps(value)}")
            counted += 1
        for value in groups.get("names", []):
            if not with_names.is_valid(envelope(type_name, value)):
                fail(f"{type_name} (names): rejected {json.dumps(value)}")
            if with_numbers.is_valid(envelope(type_name, value)):
                fail(f"{type_name} (numbers): accepted a name in {json.dumps(value)}")
            counted += 1
        for value in groups.get("invalid", []):
            for validator, kind in ((with_names, "names"), (with_numbers, "numbers"), (bare, "bare")):
                document = value if kind == "bare" else envelope(type_name, value)
                if validator.is_valid(document):
                    fail(f"{type_name} ({kind}): accepted {json.dumps(value)}")
            counted += 1
        for document in groups.get("invalid-envelopes", []):
            if with_names.is_valid(document):
                fail(f"{type_name}: accepted the envelope {json.dumps(document)}")
            counted += 1
    print(f"{checked} schemas checked, {counted} values checked, {len(failures)} failures")
    return 1 if failures or checked == 0 or counted == 0 else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
