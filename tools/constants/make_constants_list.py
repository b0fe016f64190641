#!/usr/bin/env python3
"""Writes the constants tool's list from the Windows SDK headers of the mingw-w64 toolchain.

Every object-like `#define NAME body` whose name is upper case and whose body comes to an
integer is kept: literals, other such names, casts to the SDK's integer types, the SDK's
value wrappers (__MSABI_LONG, _HRESULT_TYPEDEF_ and the like) and integer arithmetic, so
that notifications written as (LVN_FIRST-1) are listed with their value. A name defined
more than once keeps its first definition that comes to an integer, in file-name order.

Output: one line per constant, "NAME value", sorted by name, the value in decimal as the
32-bit signed number Windows programs see when it fits in 32 bits, else as a 64-bit one.

Usage: make_constants_list.py INCLUDE_DIR OUTPUT_FILE
"""

import os
import re
import sys

DEFINE = re.compile(r"^\s*#\s*define\s+([A-Z][A-Z0-9_]*)(?![(\w])\s*(.*?)\s*$")
NUMBER = re.compile(r"(0[xX][0-9a-fA-F]+|\d+)(?:[uU]?(?:ll|LL|l|L|i64|I64)?[uU]?)")
TOKEN = re.compile(r"\s*(0[xX][0-9a-fA-F]+\w*|\d+\w*|[A-Za-z_]\w*|<<|>>|[-+*/%|&^~()])")

# Casts and wrappers that leave an integer as it is.
INTEGER_TYPES = {
    "BYTE", "WORD", "DWORD", "UINT", "INT", "LONG", "ULONG", "SHORT", "USHORT", "CHAR", "UCHAR",
    "HRESULT", "SCODE", "LRESULT", "WPARAM", "LPARAM", "LONG_PTR", "ULONG_PTR", "UINT_PTR", "INT_PTR",
    "DWORD_PTR", "NTSTATUS", "LONGLONG", "ULONGLONG", "DWORDLONG", "BOOL", "ATOM", "COLORREF",
    "int", "long", "unsigned", "short", "char", "signed",
}
ANSI_NAMES = {"__MINGW_NAME_AW": "A", "__MINGW_NAME_UAW": "_A"}
WRAPPERS = {"__MSABI_LONG", "_HRESULT_TYPEDEF_", "_NDIS_ERROR_TYPEDEF_", "__HRESULT_FROM_WIN32", "_AC"}


class NotAnInteger(Exception):
    pass


class Expression:
    """A recursive-descent reader of one C integer expression; names resolve through `lookup`."""

    def __init__(self, text, lookup):
        self.tokens = []
        position = 0
        text = text.strip()
        while position < len(text):
            match = TOKEN.match(text, position)
            if not match:
                raise NotAnInteger(text)
            self.tokens.append(match.group(1))
            position = match.end()
        self.at = 0
        self.lookup = lookup

    def value(self):
        if not self.tokens:
            raise NotAnInteger("empty")
        result = self.or_()
        if self.at != len(self.tokens):
            raise NotAnInteger("trailing")
        return result

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else None

    def take(self, expected=None):
        token = self.peek()
        if token is None or (expected is not None and token != expected):
            raise NotAnInteger(expected or "end")
        self.at += 1
        return token

    def binary(self, operators, next_level):
        result = next_level()
        while self.peek() in operators:
            operator = self.take()
            right = next_level()
            if operator == "|":
                result |= right
            elif operator == "^":
                result ^= right
            elif operator == "&":
                result &= right
            elif operator == "<<":
                if not 0 <= right < 64:
                    raise NotAnInteger("shift")
                result <<= right
            elif operator == ">>":
                if not 0 <= right < 64:
                    raise NotAnInteger("shift")
                result >>= right
            elif operator == "+":
                result += right
            elif operator == "-":
                result -= right
            elif operator == "*":
                result *= right
            elif right == 0:
                raise NotAnInteger("division by zero")
            elif operator == "/":
                result = int(result / right)
            else:
                result = result - int(result / right) * right
        return result

    def or_(self):
        return self.binary({"|"}, self.xor)

    def xor(self):
        return self.binary({"^"}, self.and_)

    def and_(self):
        return self.binary({"&"}, self.shift)

    def shift(self):
        return self.binary({"<<", ">>"}, self.sum)

    def sum(self):
        return self.binary({"+", "-"}, self.product)

    def product(self):
        return self.binary({"*", "/", "%"}, self.unary)

    def unary(self):
        token = self.peek()
        if token == "-":
            self.take()
            return -self.unary()
        if token == "+":
            self.take()
            return self.unary()
        if token == "~":
            self.take()
            return ~self.unary()
        return self.primary()

    def is_cast(self):
        # "(TYPE)" or "(unsigned long)" followed by something to cast
        end = self.at + 1
        while end < len(self.tokens) and self.tokens[end] in INTEGER_TYPES:
            end += 1
        return end > self.at + 1 and end < len(self.tokens) - 1 and self.tokens[end] == ")"

    def primary(self):
        token = self.peek()
        if token == "(":
            if self.is_cast():
                while self.take() != ")":
                    pass
                return self.unary()
            self.take("(")
            result = self.or_()
            self.take(")")
            return result
        if token is None:
            raise NotAnInteger("end")
        self.take()
        if token[0].isdigit():
            match = NUMBER.fullmatch(token)
            if not match:
                raise NotAnInteger(token)
            digits = match.group(1)
            return int(digits, 16) if digits[:2] in ("0x", "0X") else int(digits, 8 if len(digits) > 1 and digits[0] == "0" else 10)
        if token in ANSI_NAMES:
            # The A or W spelling by UNICODE; a program of this dialect uses the ANSI one.
            self.take("(")
            name = self.take()
            self.take(")")
            return self.lookup(name + ANSI_NAMES[token])
        if token in WRAPPERS:
            self.take("(")
            result = self.or_()
            self.take(")")
            return result
        return self.lookup(token)


def definitions(include_dir):
    """Each name's bodies, in file-name order and then line order."""
    found = {}
    for root, _, files in sorted(os.walk(include_dir)):
        for name in sorted(files):
            if not name.endswith(".h"):
                continue
            with open(os.path.join(root, name), encoding="latin-1") as header:
                previous = ""
                for line in header:
                    line = previous + line
                    if line.rstrip().endswith("\\"):
                        previous = line.rstrip()[:-1] + " "
                        continue
                    previous = ""
                    match = DEFINE.match(line.split("//")[0].split("/*")[0])
                    if match and match.group(2):
                        found.setdefault(match.group(1), []).append(match.group(2))
    return found


def resolve_all(bodies):
    values = {}
    resolving = set()

    def lookup(name):
        if name in values:
            if values[name] is None:
                raise NotAnInteger(name)
            return values[name]
        if name not in bodies or name in resolving:
            raise NotAnInteger(name)
        resolving.add(name)
        values[name] = None
        for body in bodies[name]:
            try:
                values[name] = Expression(body, lookup).value()
                break
            except (NotAnInteger, RecursionError):
                continue
        resolving.discard(name)
        if values[name] is None:
            raise NotAnInteger(name)
        return values[name]

    for name in bodies:
        try:
            lookup(name)
        except NotAnInteger:
            pass
    return {name: value for name, value in values.items() if value is not None}


def as_windows_sees_it(value):
    """The value as a 32-bit signed number when it fits in 32 bits, else as a 64-bit one."""
    if -(1 << 31) <= value < (1 << 32):
        return value - (1 << 32) if value >= (1 << 31) else value
    if -(1 << 63) <= value < (1 << 64):
        return value - (1 << 64) if value >= (1 << 63) else value
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.setrecursionlimit(20000)
    values = resolve_all(definitions(sys.argv[1]))
    lines = []
    for name in sorted(values):
        value = as_windows_sees_it(values[name])
        if value is not None:
            lines.append(f"{name} {value}\n")
    if len(lines) < 1000:
        sys.exit(f"make_constants_list.py: only {len(lines)} constants in {sys.argv[1]}; is it the SDK's include folder?")
    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as out:
        out.writelines(lines)


if __name__ == "__main__":
    main()
