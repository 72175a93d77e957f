#!/usr/bin/env python3
"""Writes the key catalogues of the on-screen keyboard and the all-keys picker into images/configDir.

softKeyInfoNormalUS.config   the US on-screen keyboard (page 1000 x 245, keys 30 x 33)
softKeyInfoNormal_91.config  the ABNT on-screen keyboard (keys 23 x 21)
AllKeysInfo.config           the all-keys picker (geometry unused)

The files are committed; rerun this after changing a key and commit the result. They are UTF-8
JSON, one key record per line. Each record names its key by HID usage ("Dec"), its Windows
virtual-key code ("qtDec") and its label ("Character"); a stored double quote turns into a
backslash when the label is shown, which is how the backslash key gets its "\\|".
"""
import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'configDir')

# name: (Dec, qtDec, Character)
K = {
    'esc': (41, 27, 'Esc'), 'prt': (70, 44, 'PrtSc'), 'scr': (71, 145, 'ScrLk'), 'pause': (72, 19, 'Pause'),
    'grave': (53, 192, '`~'), 'minus': (45, 189, '-_'), 'equal': (46, 187, '=+'),
    'k14': (137, 981, 'K14'), 'back': (42, 8, 'Back'),
    'ins': (73, 45, 'Ins'), 'home': (74, 36, 'Home'), 'pgup': (75, 33, 'PgUp'),
    'del': (76, 46, 'Del'), 'end': (77, 35, 'End'), 'pgdn': (78, 34, 'PgDn'),
    'num': (83, 144, 'Num'), 'kpdiv': (84, 111, '/'), 'kpmul': (85, 106, '*'), 'kpsub': (86, 109, '-'),
    'kpadd': (87, 107, '+'), 'kpenter': (88, 998, 'Ent'), 'kp0': (98, 96, '0'), 'kpdot': (99, 110, '.Del'),
    'tab': (43, 9, 'Tab'), 'lbr': (47, 219, '[{'), 'rbr': (48, 221, ']}'), 'bslash': (49, 220, '"|'),
    'caps': (57, 20, 'Caps'), 'semi': (51, 186, '; :'), 'quote': (52, 222, '"'), 'enter': (40, 999, 'Enter'),
    'lshift': (225, 160, 'Shift'), 'k45': (100, 226, 'K45'), 'comma': (54, 188, ',<'), 'dot': (55, 190, '.>'),
    'slash': (56, 191, '/?'), 'k56': (135, 984, 'K56'), 'rshift': (229, 161, 'Shift'), 'up': (82, 38, 'Up'),
    'lctrl': (224, 162, 'Ctrl'), 'lwin': (227, 91, 'Win'), 'lalt': (226, 164, 'Alt'),
    'k131': (139, 986, 'K131'), 'chinese': (145, 2350, 'Chinese'), 'space': (44, 32, 'Space'),
    'koreng': (144, 2360, 'Korean/English'), 'k132': (138, 987, 'K132'), 'k133': (136, 988, 'K133'),
    'ralt': (230, 165, 'Alt'), 'fn': (-10, -1, 'Fn'), 'menu': (101, 93, 'Menu'), 'rctrl': (228, 163, 'Ctrl'),
    'left': (80, 37, 'Left'), 'down': (81, 40, 'Down'), 'right': (79, 39, 'Right'),
}
for i in range(12):
    K['f%d' % (i + 1)] = (58 + i, 112 + i, 'F%d' % (i + 1))
for i, c in enumerate('ABCDEFGHIJKLMNOPQRSTUVWXYZ'):
    K[c.lower()] = (4 + i, 65 + i, c)
for i, legend in enumerate(['1!', '2@', '3#', '4$', '5%', '6^', '7&', '8*', '9(', '0)']):
    K['d%d' % ((i + 1) % 10)] = (30 + i, 48 + (i + 1) % 10, legend)
for n in range(1, 10):
    K['kp%d' % n] = (88 + n, 96 + n, str(n))


def record(name, x, y, w, h, keys=None, **extra):
    dec, qt, ch = (keys or K)[name]
    rec = {'PosX': x, 'PosY': y, 'Width': w, 'Height': h, 'Dec': dec, 'qtDec': qt, 'Character': ch}
    rec.update(extra)
    return rec


def spread(names, widths, left, right, y, h, keys=None):
    """Places keys left to right so that the first starts at `left` and the last ends at `right`,
    sharing the free room out as evenly as whole pixels allow."""
    free = (right - left) - sum(widths)
    gaps = len(names) - 1
    out, x = [], left
    for i, (name, w) in enumerate(zip(names, widths)):
        out.append(record(name, x, y, w, h, keys))
        if i < gaps:
            x += w + free * (i + 1) // gaps - free * i // gaps
    return out


def columns(names, xs, y, w, h, keys=None):
    return [record(n, x, y, w, h, keys) for n, x in zip(names, xs)]


# Media and browser keys, and the international keys by their own codes. Neither row is read by
# the program; they keep the catalogues complete for anyone who edits them.
ROW00 = [(401, 166, 'Back'), (402, 167, 'Forward'), (403, 168, 'Refresh'), (404, 169, 'Stop'),
         (405, 170, 'Search'), (406, 171, 'Favorites'), (407, 172, 'IE'), (408, 182, 'PC'),
         (409, 180, 'Mail'), (410, 183, 'Cal'), (411, 181, 'Music'), (412, 179, 'Start'),
         (413, 178, 'Stop'), (414, 177, 'Prev'), (415, 176, 'Next'), (416, 173, 'Mute'),
         (417, 174, 'VOL -'), (418, 175, 'VOL +')]
ROW07 = [(502, 226, 'K45', None), (503, 255, 'K14', 0), (504, 193, 'K56', None),
         (505, 235, 'K131', None), (506, 255, 'K132', 1), (507, 255, 'K133', 2)]


def row00():
    return [{'PosX': 19 + i * 40, 'PosY': 301, 'Width': 30, 'Height': 33, 'Dec': d, 'qtDec': q, 'Character': c}
            for i, (d, q, c) in enumerate(ROW00)]


def row07():
    out = []
    for i, (d, q, c, flags) in enumerate(ROW07):
        rec = {'PosX': 19 + i * 40, 'PosY': 341, 'Width': 30, 'Height': 33, 'Dec': d, 'qtDec': q, 'Character': c}
        if flags is not None:
            rec['keyFlags'] = flags
        out.append(rec)
    return out


def us_layout():
    """The US keyboard: main block x 19..641, navigation block from 673, keypad ending at 981."""
    W, H = 30, 33
    Y = [4, 49, 89, 129, 169, 209]
    left, right = 19, 641
    nav = [673, 716, 759]
    pad = [822, 865, 908, 951]
    rows = {}

    r1 = [record('esc', left, Y[0], W, H)]
    fx = [96, 136, 176, 216, 294, 334, 374, 414, 491, 531, 571, 611]
    r1 += columns(['f%d' % (i + 1) for i in range(12)], fx, Y[0], W, H)
    r1 += columns(['prt', 'scr', 'pause'], nav, Y[0], W, H)
    rows[1] = r1

    main = ['grave', 'd1', 'd2', 'd3', 'd4', 'd5', 'd6', 'd7', 'd8', 'd9', 'd0', 'minus', 'equal', 'k14', 'back']
    rows[2] = (spread(main, [W] * len(main), left, right, Y[1], H) +
               columns(['ins', 'home', 'pgup'], nav, Y[1], W, H) +
               columns(['num', 'kpdiv', 'kpmul', 'kpsub'], pad, Y[1], W, H))

    main = ['tab', 'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o', 'p', 'lbr', 'rbr', 'bslash']
    rows[3] = (spread(main, [52] + [W] * 12 + [52], left, right, Y[2], H) +
               columns(['del', 'end', 'pgdn'], nav, Y[2], W, H) +
               columns(['kp7', 'kp8', 'kp9'], pad, Y[2], W, H) +
               [record('kpadd', pad[3], Y[2], W, 73)])

    main = ['caps', 'a', 's', 'd', 'f', 'g', 'h', 'j', 'k', 'l', 'semi', 'quote', 'enter']
    rows[4] = (spread(main, [63] + [W] * 11 + [83], left, right, Y[3], H) +
               columns(['kp4', 'kp5', 'kp6'], pad, Y[3], W, H))

    main = ['lshift', 'k45', 'z', 'x', 'c', 'v', 'b', 'n', 'm', 'comma', 'dot', 'slash', 'k56', 'rshift']
    rows[5] = (spread(main, [40] + [W] * 12 + [65], left, right, Y[4], H) +
               [record('up', nav[1], Y[4], W, H)] +
               columns(['kp1', 'kp2', 'kp3'], pad, Y[4], W, H) +
               [record('kpenter', pad[3], Y[4], W, 73)])

    main = ['lctrl', 'lwin', 'lalt', 'k131', 'chinese', 'space', 'koreng', 'k132', 'k133', 'ralt', 'fn',
            'menu', 'rctrl']
    widths = [40, 35, 35, 35, 35, 72, 35, 35, 35, 35, 35, 35, 40]
    rows[6] = (spread(main, widths, left, right, Y[5], H) +
               columns(['left', 'down', 'right'], nav, Y[5], W, H) +
               [record('kp0', pad[0], Y[5], 73, H), record('kpdot', pad[2], Y[5], W, H)])
    return rows


def abnt_layout():
    """The ABNT keyboard at a smaller scale: main block x 76..463 with the tall Enter at (427, 55)."""
    W, H = 23, 21
    Y = [2, 31, 55, 79, 103, 127]
    left, right = 76, 463
    nav = [477, 503, 529]
    pad = [566, 592, 618, 644]
    local = dict(K)
    local.update({'grave': (53, 192, "'"), 'lbr': (47, 219, '´ `'), 'rbr': (48, 221, '[ {'),
                  'caps': (57, 20, 'CapsLK'), 'semi': (51, 186, 'Ç'), 'quote': (52, 222, '~^'),
                  'hash': (50, 220, '] }'), 'k45': (100, 226, '"|'), 'slash': (56, 191, '; :'),
                  'lwin': (227, 91, 'Win/Command'), 'lalt': (226, 164, 'Alt/Option'),
                  'ralt': (230, 165, 'Alt/Option'), 'enter': (40, 13, 'Enter'), 'kpenter': (88, 13, 'Ent')})
    def rec(name, x, y, w, h, **extra):
        return record(name, x, y, w, h, local, **extra)

    def spr(names, widths, lo, hi, y, h):
        return spread(names, widths, lo, hi, y, h, local)

    def col(names, xs, y, w, h):
        return columns(names, xs, y, w, h, local)

    rows = {}
    fx = [128, 154, 180, 206, 245, 271, 297, 323, 362, 388, 414, 440]
    rows[1] = ([rec('esc', left, Y[0], W, H)] +
               col(['f%d' % (i + 1) for i in range(12)], fx, Y[0], W, H) +
               col(['prt', 'scr', 'pause'], nav, Y[0], W, H))
    main = ['grave', 'd1', 'd2', 'd3', 'd4', 'd5', 'd6', 'd7', 'd8', 'd9', 'd0', 'minus', 'equal', 'back']
    rows[2] = (spr(main, [W] * 13 + [49], left, right, Y[1], H) +
               col(['ins', 'home', 'pgup'], nav, Y[1], W, H) +
               col(['num', 'kpdiv', 'kpmul', 'kpsub'], pad, Y[1], W, H))
    main = ['tab', 'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o', 'p', 'lbr', 'rbr']
    rows[3] = (spr(main, [36] + [W] * 12, left, 424, Y[2], H) +
               col(['del', 'end', 'pgdn'], nav, Y[2], W, H) +
               col(['kp7', 'kp8', 'kp9'], pad, Y[2], W, H) +
               [rec('kpadd', pad[3], Y[2], W, 45)])
    main = ['caps', 'a', 's', 'd', 'f', 'g', 'h', 'j', 'k', 'l', 'semi', 'quote', 'hash']
    rows[4] = (spr(main, [36] + [W] * 12, left, 424, Y[3], H) +
               [rec('enter', 427, Y[2], 36, 45, keyFlags=0)] +
               col(['kp4', 'kp5', 'kp6'], pad, Y[3], W, H))
    main = ['lshift', 'k45', 'z', 'x', 'c', 'v', 'b', 'n', 'm', 'comma', 'dot', 'slash', 'rshift']
    rows[5] = (spr(main, [30] + [W] * 11 + [68], left, right, Y[4], H) +
               [rec('up', nav[1], Y[4], W, H)] +
               col(['kp1', 'kp2', 'kp3'], pad, Y[4], W, H) +
               [rec('kpenter', pad[3], Y[4], W, 45, keyFlags=1)])
    main = ['lctrl', 'lwin', 'lalt', 'space', 'ralt', 'menu', 'rctrl']
    rows[6] = (spr(main, [33, 33, 33, 171, 33, 33, 33], left, right, Y[5], H) +
               col(['left', 'down', 'right'], nav, Y[5], W, H) +
               [rec('kp0', pad[0], Y[5], 49, H), rec('kpdot', pad[2], Y[5], W, H)])
    return rows


def all_keys():
    """The picker's groups: modifiers, letters and digits, everything else; geometry is unused."""
    local = dict(K)
    local.update({'lshift': (225, 160, 'L_Shift'), 'rshift': (229, 161, 'R_Shift'),
                  'lctrl': (224, 162, 'L_Ctrl'), 'rctrl': (228, 163, 'R_Ctrl'),
                  'lalt': (226, 164, 'L_Alt'), 'ralt': (230, 165, 'R_Alt'), 'lwin': (227, 91, 'L_Win'),
                  'kpadd': (87, 107, 'Num.+'), 'kpsub': (86, 109, 'Num.-'), 'kpmul': (85, 106, 'Num.*'),
                  'kpdiv': (84, 111, 'Num./'), 'num': (83, 144, 'Num.Lk'), 'kpenter': (88, 998, 'Num.Ent'),
                  'kpdot': (99, 110, 'Num.Del'), 'koreng': (144, 2360, 'Kr/En')})
    rows = {}
    groups = {
        1: ['lshift', 'rshift', 'lctrl', 'rctrl', 'lalt', 'ralt', 'lwin'],
        2: [c for c in 'abcdefghijklmnopqrstuvwxyz'] + ['kp0'] + ['kp%d' % n for n in range(1, 10)] +
           ['d0'] + ['d%d' % n for n in range(1, 10)],
        3: ['f%d' % (i + 1) for i in range(12)] +
           ['prt', 'scr', 'pause', 'home', 'pgup', 'pgdn', 'ins', 'del', 'end', 'kpadd', 'kpsub', 'kpmul',
            'kpdiv', 'num', 'kpenter', 'kpdot', 'up', 'down', 'left', 'right', 'esc', 'grave', 'tab', 'caps',
            'back', 'minus', 'equal', 'lbr', 'rbr', 'bslash', 'semi', 'quote', 'enter', 'comma', 'dot',
            'slash', 'space', 'menu', 'chinese', 'koreng', 'k14', 'k45', 'k56', 'k131', 'k132', 'k133'],
    }
    for row, names in groups.items():
        out = []
        for n in names:
            dec, qt, ch = local[n]
            out.append({'PosX': -10, 'PosY': -10, 'Width': 30, 'Height': 33, 'Dec': dec, 'qtDec': qt,
                        'Character': ch})
        rows[row] = out
    for row in (4, 5, 6):
        rows[row] = []
    return rows


def write(name, rows):
    doc = {'Keyboard': {'KeyboardIntroduction': '104Key+7Key+18Key', 'flag': 'true'}}
    for r in sorted(rows):
        doc['EveryKeyInfo_Row0%d' % r] = rows[r]
    lines = ['{']
    items = list(doc.items())
    for i, (key, value) in enumerate(items):
        tail = ',' if i + 1 < len(items) else ''
        if isinstance(value, list):
            if not value:
                lines.append('\t%s: []%s' % (json.dumps(key), tail))
                continue
            lines.append('\t%s: [' % json.dumps(key))
            for j, rec in enumerate(value):
                sep = ',' if j + 1 < len(value) else ''
                lines.append('\t\t%s%s' % (json.dumps(rec, ensure_ascii=False), sep))
            lines.append('\t]%s' % tail)
        else:
            lines.append('\t%s: %s%s' % (json.dumps(key), json.dumps(value, ensure_ascii=False), tail))
    lines.append('}')
    with open(os.path.join(OUT, name), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    us = us_layout()
    us[0] = row00()
    us[7] = row07()
    write('softKeyInfoNormalUS.config', us)
    write('softKeyInfoNormal_91.config', abnt_layout())
    picker = all_keys()
    picker[0] = row00()
    picker[7] = row07()
    write('AllKeysInfo.config', picker)


if __name__ == '__main__':
    main()
