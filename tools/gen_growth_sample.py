#!/usr/bin/env python3
"""Writes sample-content/vemra6_09a.json: the sample growth reference (database 14).

One record per age band (72) and sex: girls first (records 0-71), then boys (72-143). A record is
a label, a flag byte, the age in months and four LMS triples (weight, length or height, head
circumference, body-mass index). The numbers are rough approximations interpolated from a few
hand-picked ages: SAMPLE DATA for exercising the program, not a clinical growth reference.
"""
import json
import pathlib


def interpolate(table, months):
    points = sorted(table.items())
    if months <= points[0][0]:
        return points[0][1]
    for (a, va), (b, vb) in zip(points, points[1:]):
        if months <= b:
            return va + (vb - va) * (months - a) / (b - a)
    return points[-1][1]


def band_months(band):
    if band == 1:
        return 0.0
    if band == 2:
        return 0.5
    if band == 3:
        return 1.5
    if band <= 37:
        return band - 2 + 0.5
    if band <= 45:
        return 36.0 + 3 * (band - 38)
    if band <= 71:
        return 60.0 + 6 * (band - 46)
    return 216.0


def band_label(band):
    if band == 1:
        return "Birth (full term pregnancy)"
    if band == 2:
        return "Birth to less than 1 month"
    if band == 3:
        return "1 month to less than 2 mos"
    if band <= 37:
        return f"{band - 2} mos to less than {band - 1} mos"
    months = int(band_months(band))
    years, rest = divmod(months, 12)
    return f"{years} yrs" + (f" {rest} mos" if rest else "")


MEDIANS = {
    "boys": {
        "weight": {0: 3.3, 1: 4.5, 2: 5.6, 3: 6.4, 6: 7.9, 9: 8.9, 12: 9.6, 18: 10.9, 24: 12.2,
                   36: 14.3, 48: 16.3, 60: 18.3, 72: 20.5, 96: 25.5, 120: 32, 144: 40, 168: 51,
                   192: 61, 216: 67},
        "length": {0: 49.9, 1: 54.7, 2: 58.4, 3: 61.4, 6: 67.6, 9: 72, 12: 75.7, 18: 82.3,
                   24: 87.1, 36: 96.1, 48: 103.3, 60: 110, 72: 116, 96: 127.5, 120: 138,
                   144: 149, 168: 163, 192: 173, 216: 176},
        "head": {0: 34.5, 1: 37.3, 2: 39.1, 3: 40.5, 6: 43.3, 9: 45, 12: 46.1, 18: 47.4,
                 24: 48.3, 36: 49.5, 60: 51, 216: 56},
        "bmi": {0: 13.4, 1: 14.9, 3: 16.9, 6: 17.3, 12: 16.8, 24: 16.0, 36: 15.7, 48: 15.4,
                60: 15.3, 72: 15.4, 96: 15.9, 120: 16.6, 144: 17.8, 168: 19.2, 192: 20.5,
                216: 21.5},
    },
    "girls": {
        "weight": {0: 3.2, 1: 4.2, 2: 5.1, 3: 5.8, 6: 7.3, 9: 8.2, 12: 8.9, 18: 10.2, 24: 11.5,
                   36: 13.9, 48: 16.1, 60: 18.2, 72: 20.2, 96: 25.5, 120: 33, 144: 41.5,
                   168: 50, 192: 54, 216: 56},
        "length": {0: 49.1, 1: 53.7, 2: 57.1, 3: 59.8, 6: 65.7, 9: 70.1, 12: 74, 18: 80.7,
                   24: 85.7, 36: 95.1, 48: 102.7, 60: 109.4, 72: 115, 96: 127, 120: 138.5,
                   144: 151, 168: 160, 192: 162.5, 216: 163},
        "head": {0: 33.9, 1: 36.5, 2: 38.3, 3: 39.5, 6: 42.2, 9: 43.8, 12: 45, 18: 46.2,
                 24: 47.2, 36: 48.5, 60: 50, 216: 55},
        "bmi": {0: 13.3, 1: 14.6, 3: 16.4, 6: 16.9, 12: 16.4, 24: 15.7, 36: 15.4, 48: 15.3,
                60: 15.2, 72: 15.3, 96: 16.0, 120: 17.0, 144: 18.4, 168: 19.6, 192: 20.5,
                216: 21.2},
    },
}

# Box-Cox power L and coefficient of variation S by age, shared by both sexes.
SHAPES = {
    "weight": ({0: 0.3, 24: -0.1, 216: -0.3}, {0: 0.14, 24: 0.12, 120: 0.17, 216: 0.16}),
    "length": ({0: 1.0, 216: 1.0}, {0: 0.038, 24: 0.037, 120: 0.045, 216: 0.042}),
    "head": ({0: 1.0, 216: 1.0}, {0: 0.035, 24: 0.030, 216: 0.030}),
    "bmi": ({0: -0.6, 24: -1.2, 120: -1.9, 216: -2.0}, {0: 0.08, 24: 0.08, 120: 0.12, 216: 0.13}),
}


def record(sex, band):
    months = band_months(band)
    fields = [f"{band_label(band)}, {sex} (SAMPLE DATA - not clinical guidance)", {"byte": 0},
              {"float": months}]
    for measure in ("weight", "length", "head", "bmi"):
        l_table, s_table = SHAPES[measure]
        m = interpolate(MEDIANS[sex][measure], months)
        fields += [{"float": round(interpolate(l_table, months), 4)}, {"float": round(m, 3)},
                   {"float": round(interpolate(s_table, months), 5)}]
    return fields


def main():
    records = [record("girls", b) for b in range(1, 73)] + [record("boys", b) for b in range(1, 73)]
    source = {
        "file": "vemra6_09a.pdb",
        "name": "Orvane sample db 14",
        "comment": "Database 14 (TykoGrowth): growth reference, 72 age bands for girls (records "
                   "0-71) then boys (72-143): label, flag byte, age in months, then L, M, S of "
                   "weight (kg), length or height (cm), head circumference (cm) and BMI. "
                   "APPROXIMATE SAMPLE VALUES written by tools/gen_growth_sample.py - SAMPLE "
                   "DATA, not clinical guidance and not a growth reference.",
        "records": records,
    }
    out = pathlib.Path(__file__).resolve().parent.parent / "sample-content" / "vemra6_09a.json"
    # One record per line keeps the source readable and its diffs small.
    lines = [",\n".join("  " + json.dumps(r) for r in records)]
    head = {k: v for k, v in source.items() if k != "records"}
    text = "{\n" + "".join(f" {json.dumps(k)}: {json.dumps(v)},\n" for k, v in head.items())
    text += ' "records": [\n' + lines[0] + "\n ]\n}\n"
    out.write_text(text)


if __name__ == "__main__":
    main()
