#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/ (run from anywhere).

Files named found_* are not written here: they are inputs the fuzzers found that reach branches
the worked examples do not (merged with -use_counters=0), kept as they were found.

The calculate seeds follow FuzzedDataProvider's layout: the box texts from the front, each ended
by a backslash and one other byte, and the choices from the back, the first choice last.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
GEOMETRY = {"height": 1, "area": 0}        # ConsumeBool: Option4 / Option5
GIVEN = {"outlet": 0, "load": 1, "flow": 2}  # PickValueInArray: Option6 / 7 / 8

PARSE_SEEDS = {
    "empty": "", "letters": "abc", "whole": "78", "unit": " 12.5 °C", "comma": "12,5",
    "blank_inside": "1 000", "negative": "-3", "point_first": ".5", "two_points": "1.2.3",
    "exponent": "1.5E3", "d_exponent": "2D2", "bare_exponent": "12E", "hex": "&H1F",
    "hex_minus_one": "&HFFFF", "octal": "&O17", "hex_32bit": "&H7FFFFFFF",
    "hex_too_long": "&H100000000", "huge": "1E309", "tiny": "1E-400",
    "huge_exponent": "1E999999999999", "tiny_exponent": "1E-999999999999",
    "largest": "1.7976931348623157E308", "rounds_past_largest": "1.79769313486232E+308",
    "smallest_subnormal": "4.9406564584124654E-324", "zero_huge_exponent": "0e999999999999",
    "control_chars": "\x01\x7f1\r2", "invalid_utf8": "\xff\xfe12",
}


def text(s):
    return s.replace("\\", "\\\\").encode("latin-1", "surrogateescape") + b"\\|"


def calculate_seed(runs, comma=False):
    """runs: list of (geometry, given, {box index 0..5: text}); the first run types all six."""
    front, back = b"", [1 if comma else 0, len(runs) - 1]
    for i, (geometry, given, boxes) in enumerate(runs):
        back += [GEOMETRY[geometry], GIVEN[given]]
        if i > 0:
            back.append(sum(1 << b for b in boxes))
        for b in range(6):
            if i == 0 or b in boxes:
                front += text(boxes.get(b, ""))
    return front + bytes(reversed(back))


def boxes(tc, tin, height="", diameter="", area="", given=""):
    return {0: tc, 1: tin, 2: height, 3: diameter, 4: area, 5: given}


CALCULATE_SEEDS = {
    "outlet_height": [("height", "outlet", boxes("78", "15", "100", "5", given="40"))],
    "outlet_area": [("area", "outlet", boxes("78", "15", area="1500", given="40"))],
    "outlet_displayed_load": [("height", "outlet", boxes("78", "10", "50", "8", given="30"))],
    "outlet_ratio_one": [("height", "outlet",
                          boxes("78", "15", "100", "5", given="15.000000000000002"))],
    "outlet_huge_load": [("height", "outlet", boxes("78", "15", "9E9", "9E9", given="40"))],
    "outlet_echo_largest": [("area", "outlet", boxes("1.7976931348623157E308", "15", area="1",
                                                     given="1.7976931348623155E308"))],
    "load_height": [("height", "load", boxes("78", "15", "60", "4", given="1000"))],
    "load_area": [("area", "load", boxes("78", "15", area="753.96", given="1000"))],
    "load_second": [("height", "load", boxes("88", "20", "80", "5", given="2000"))],
    "load_near_span": [("area", "load", boxes("78", "15", area="1000", given="4216"))],
    "load_below_inlet": [("height", "load", boxes("78", "15", "100", "5", given="1000"))],
    "load_equal_inlet": [("area", "load", boxes("78", "15", area="1000", given="1020"))],
    "load_beyond_surface": [("area", "load", boxes("78", "15", area="1000", given="5000"))],
    "load_equal_temps": [("area", "load", boxes("15", "15", area="1000", given="1000"))],
    "load_tiny": [("area", "load", boxes("78", "15", area="1000", given="0.3"))],
    "flow_height": [("height", "flow", boxes("78", "15", "30", "5", given="1"))],
    "flow_area": [("area", "flow", boxes("78", "15", area="500", given="1"))],
    "flow_equal_temps": [("area", "flow", boxes("20", "20", area="500", given="1"))],
    "flow_out_equals_tc": [("area", "flow", boxes("78", "15", area="10000", given="0.25"))],
    "flow_rise_ten": [("area", "flow", boxes("25", "15", area="500", given="1"))],
    "flow_log_negative": [("area", "flow", boxes("20", "15", area="500", given="1"))],
    "flow_tc_below_tin": [("area", "flow", boxes("10", "15", area="500", given="1"))],
    "flow_fractional_inlet": [("area", "flow", boxes("78", "12.5", area="500", given="1"))],
    "outlet_typed_comma": [("height", "outlet", boxes("78,5", "15", "100", "5", given="40,5"))],
    "area_overflow": [("height", "outlet", boxes("78", "15", "1E160", "1E148"))],
    "hex_and_blanks": [("area", "load", boxes("&H4E", " 1 5", area="&O1750", given="1 000"))],
    "modes_in_turn": [
        ("height", "flow", boxes("78", "15", "30", "5", given="1")),
        ("height", "outlet", {5: "40"}),
        ("area", "load", {4: "1500", 5: "1500.5"}),
        ("area", "flow", {5: "0.5"}),
    ],
}
COMMA_SEEDS = {"outlet_height", "outlet_typed_comma", "load_area", "flow_fractional_inlet", "outlet_huge_load",
               "modes_in_turn"}


def main():
    for name, s in PARSE_SEEDS.items():
        (HERE / "corpus/parse_number" / name).write_bytes(s.encode("latin-1", "surrogateescape")
                                                          if "°" not in s else s.encode())
    for name, runs in CALCULATE_SEEDS.items():
        (HERE / "corpus/calculate" / name).write_bytes(calculate_seed(runs))
        if name in COMMA_SEEDS:
            (HERE / "corpus/calculate" / (name + "_comma")).write_bytes(
                calculate_seed(runs, comma=True))


if __name__ == "__main__":
    main()
