#!/usr/bin/env python3
"""Writes images/configDir/KeyInfo_<model>.config for our three boards.

The layout files are committed; rerun this after changing a board and commit the result.
Geometry: one key unit is 36 px at zoom 1.0, caps leave a 4 px gap, the case border is 10 px.
The files use CR LF and tabs, as the loader's relaxed-JSON reader expects of its inputs.
"""
import os

U = 36
GAP = 4
BORDER = 10
LED = 6  # thickness of a side-light segment

# (Dec, qtDec, Character, width in units); Character is the JSON string body.
K = {
    'esc': (41, 27, 'Esc'), 'bksp': (42, 8, 'Backspace'), 'tab': (43, 9, 'Tab'),
    'caps': (57, 20, 'Caps Lock'), 'enter': (40, 999, 'Enter'), 'space': (44, 32, 'Space'),
    'lshift': (225, 160, 'Shift'), 'rshift': (229, 161, 'Shift'), 'lctrl': (224, 162, 'Ctrl'),
    'rctrl': (228, 163, 'Ctrl'), 'lalt': (226, 164, 'Alt'), 'ralt': (230, 165, 'Alt'),
    'lwin': (227, 91, 'Win'), 'menu': (101, 93, 'Menu'), 'fn': (-10, -1, 'Fn'),
    'grave': (53, 192, '` ~'), 'minus': (45, 189, '- _'), 'equal': (46, 187, '= +'),
    'lbr': (47, 219, '[ {'), 'rbr': (48, 221, '] }'), 'bslash': (49, 220, '\\"|'),
    'semi': (51, 186, '; :'), 'quote': (52, 222, '\\"'), 'comma': (54, 188, ', <'),
    'dot': (55, 190, '. >'), 'slash': (56, 191, '/ ?'),
    'prt': (70, 44, 'PrtSc'), 'scr': (71, 145, 'ScrLk'), 'pause': (72, 19, 'Pause'),
    'ins': (73, 45, 'Ins'), 'home': (74, 36, 'Home'), 'pgup': (75, 33, 'PgUp'),
    'del': (76, 46, 'Del'), 'end': (77, 35, 'End'), 'pgdn': (78, 34, 'PgDn'),
    'right': (79, 39, 'Right'), 'left': (80, 37, 'Left'), 'down': (81, 40, 'Down'),
    'up': (82, 38, 'Up'), 'num': (83, 144, 'Num'), 'kpdiv': (84, 111, '/'),
    'kpmul': (85, 106, '*'), 'kpsub': (86, 109, '-'), 'kpadd': (87, 107, '+'),
    'kpenter': (88, 998, 'Enter'), 'kpdot': (99, 110, '.'), 'kp0': (98, 96, '0'),
}
for i in range(12):
    K['f%d' % (i + 1)] = (58 + i, 112 + i, 'F%d' % (i + 1))
for i, c in enumerate('ABCDEFGHIJKLMNOPQRSTUVWXYZ'):
    K[c.lower()] = (4 + i, 65 + i, c)
for i, c in enumerate('1234567890'):
    K['d' + c] = (30 + i, 48 + ((i + 1) % 10), c)
for i in range(1, 10):
    K['kp%d' % i] = (88 + i, 96 + i, str(i))


def row(y, items):
    """items: (name, x_units, w_units[, h_units]) -> list of key dicts."""
    out = []
    for it in items:
        name, x, w = it[0], it[1], it[2]
        h = it[3] if len(it) > 3 else 1
        dec, qt, ch = K[name]
        out.append(dict(PosX=BORDER + round(x * U), PosY=BORDER + round(y * U),
                        Width=round(w * U) - GAP, Height=round(h * U) - GAP,
                        Dec=dec, qtDec=qt, Character=ch))
    return out


def seq(names, x0, w=1):
    items, x = [], x0
    for n in names:
        items.append((n, x, w))
        x += w
    return items


def main_block(y0, with_esc_row):
    """Rows 2..6 of a 15-unit ANSI main block starting at unit y0 (number row)."""
    r1 = ([('grave', 0, 1)] if with_esc_row else [('esc', 0, 1)]) + \
        seq(['d1', 'd2', 'd3', 'd4', 'd5', 'd6', 'd7', 'd8', 'd9', 'd0', 'minus', 'equal'], 1) + \
        [('bksp', 13, 2)]
    r2 = [('tab', 0, 1.5)] + seq(list('qwertyuiop') + ['lbr', 'rbr'], 1.5) + [('bslash', 13.5, 1.5)]
    r3 = [('caps', 0, 1.75)] + seq(list('asdfghjkl') + ['semi', 'quote'], 1.75) + [('enter', 12.75, 2.25)]
    r4 = [('lshift', 0, 2.25)] + seq(list('zxcvbnm') + ['comma', 'dot', 'slash'], 2.25)
    return [r1, r2, r3, r4], y0


def frow(y):
    items = [('esc', 0, 1)]
    for g, x in ((0, 2), (4, 6.5), (8, 11)):
        items += seq(['f%d' % (g + i + 1) for i in range(4)], x)
    return items


def tl68he():
    ys = [None, 0, 1, 2, 3, 4]
    (r1, r2, r3, r4), _ = main_block(0, False)
    r1 = r1 + [('grave', 15, 1)]
    r2 = r2 + [('del', 15, 1)]
    r3 = r3 + [('pgup', 15, 1)]
    r4 = r4 + [('rshift', 12.25, 1.75), ('up', 14, 1), ('pgdn', 15, 1)]
    r5 = [('lctrl', 0, 1.25), ('lwin', 1.25, 1.25), ('lalt', 2.5, 1.25), ('space', 3.75, 6.25),
          ('ralt', 10, 1), ('fn', 11, 1), ('rctrl', 12, 1), ('left', 13, 1), ('down', 14, 1), ('right', 15, 1)]
    rows = [[], r1, r2, r3, r4, r5]
    return [row(y, r) if y is not None else [] for y, r in zip(ys, rows)], 16, 5


def tkl_rows(nav_x):
    ys = [0, 1.5, 2.5, 3.5, 4.5, 5.5]
    (r1, r2, r3, r4), _ = main_block(1.5, True)
    f = frow(0) + seq(['prt', 'scr', 'pause'], nav_x)
    r1 = r1 + seq(['ins', 'home', 'pgup'], nav_x)
    r2 = r2 + seq(['del', 'end', 'pgdn'], nav_x)
    r4 = r4 + [('rshift', 12.25, 2.75), ('up', nav_x + 1, 1)]
    r5 = [('lctrl', 0, 1.25), ('lwin', 1.25, 1.25), ('lalt', 2.5, 1.25), ('space', 3.75, 6.25),
          ('ralt', 10, 1.25), ('fn', 11.25, 1.25), ('menu', 12.5, 1.25), ('rctrl', 13.75, 1.25)]
    r5 += seq(['left', 'down', 'right'], nav_x)
    return ys, [f, r1, r2, r3, r4, r5]


def tl87():
    ys, rows = tkl_rows(15.25)
    return [row(y, r) for y, r in zip(ys, rows)], 18.25, 6.5


def tl104():
    ys, rows = tkl_rows(15.25)
    p = 18.5
    rows[1] += seq(['num', 'kpdiv', 'kpmul', 'kpsub'], p)
    rows[2] += seq(['kp7', 'kp8', 'kp9'], p) + [('kpadd', p + 3, 1, 2)]
    rows[3] += seq(['kp4', 'kp5', 'kp6'], p)
    rows[4] += seq(['kp1', 'kp2', 'kp3'], p) + [('kpenter', p + 3, 1, 2)]
    rows[5] += [('kp0', p, 2), ('kpdot', p + 2, 1)]
    return [row(y, r) for y, r in zip(ys, rows)], 22.5, 6.5


EMPTY = dict(PosX=-1, PosY=-1, Width=0, Height=0, Dec=0, qtDec=0, Character='-')


def side_lights(width_px, height_px, per_side, bottom):
    """Left and right strips of per_side segments, a bottom strip of `bottom` segments."""
    out = []
    idx = 1
    span = height_px - 2 * BORDER
    seg = span // per_side
    for side, x in ((1, 0), (2, width_px)):
        for i in range(per_side):
            out.append(dict(PosX=x, PosY=BORDER + i * seg + 2, Width=LED, Height=seg - 4, Index=idx,
                            validStatus=1, SidePosition=side, Mark='0x%02d' % (idx % 100)))
            idx += 1
    span = width_px - 2 * BORDER
    seg = span / bottom
    for i in range(bottom):
        out.append(dict(PosX=BORDER + round(i * seg) + 1, PosY=height_px, Width=round(seg) - 2, Height=LED,
                        Index=idx, validStatus=1, SidePosition=4, Mark='0x%02d' % (idx % 100)))
        idx += 1
    return out


def fmt_entry(d, keys):
    parts = []
    for k in keys:
        v = d[k]
        if isinstance(v, str):
            parts.append('"%s": "%s"' % (k, v))
        else:
            parts.append('"%s": %d' % (k, v))
    return '\t\t{ ' + ', '.join(parts) + ' }'


KEYS = ['PosX', 'PosY', 'Width', 'Height', 'Dec', 'qtDec', 'Character']
SIDE = ['PosX', 'PosY', 'Width', 'Height', 'Index', 'validStatus', 'SidePosition', 'Mark']


def write(model, rows, units_w, units_h, count, side, dtype, sidelights_per_side=0, bottom=0):
    width = BORDER * 2 + round(units_w * U) - GAP
    height = BORDER * 2 + round(units_h * U) - GAP
    lines = ['{', '\t"Keyboard": {',
             '\t\t"KeyboardIntroduction": "%dKey",' % count,
             '\t\t"sideLightHave": %d,' % (1 if side else 0),
             '\t\t"supportOnboard": 1,',
             '\t\t"specialEnterKey": 0,',
             '\t\t"showOnboardSelect": 1,',
             '\t\t"specialEnterKeyShape": 0,',
             '\t\t"sideLightNum": %d,' % (2 * sidelights_per_side + bottom),
             '\t\t"hidDeviceType": %d,' % dtype,
             '\t\t"flag": "true"', '\t},']
    sl = side_lights(width, height, sidelights_per_side, bottom) if side else []
    lines.append('\t"EveryKeyInfo_Row00": [')
    lines.append(',\n'.join(fmt_entry(e, SIDE) for e in sl))
    lines.append('\t],')
    n = 0
    for r in range(6):
        entries = rows[r] + [EMPTY] * (22 - len(rows[r]))
        assert len(entries) == 22, (model, r, len(rows[r]))
        n += len(rows[r])
        lines.append('\t"EveryKeyInfo_Row0%d": [' % (r + 1))
        lines.append(',\n'.join(fmt_entry(e, KEYS) for e in entries))
        lines.append('\t],')
    assert n == count, (model, n)
    decs = [e['Dec'] for r in rows for e in r]
    assert len(decs) == len(set(decs)), model
    lines.append('\t"EveryKeyInfo_Row07": [')
    lines.append(',\n'.join(fmt_entry(EMPTY, KEYS) for _ in range(9)))
    lines.append('\t]')
    lines.append('}')
    path = os.path.join(os.path.dirname(__file__), '..', 'configDir', 'KeyInfo_%s.config' % model)
    with open(path, 'w', newline='\r\n') as f:
        f.write('\n'.join(lines) + '\n')
    print(model, 'picture area (catalogue width, height):', width, height, 'keys', n, 'leds', len(sl))


if __name__ == '__main__':
    rows, w, h = tl68he()
    write('TL68HE', rows, w, h, 68, False, 4)
    rows, w, h = tl87()
    write('TL87', rows, w, h, 87, True, 5, 4, 25)
    rows, w, h = tl104()
    write('TL104', rows, w, h, 104, True, 2, 4, 33)
