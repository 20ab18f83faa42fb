#!/usr/bin/env bash
# Regenerates every image under resources/images/ from the SVG sources in this
# script. The images are committed, so this only needs to run when the artwork
# changes.
#
# Needs: rsvg-convert (librsvg2-bin), ImageMagick's convert; optipng is used
# when present to shrink the PNGs losslessly.
#
# Usage: resources/artwork/make-artwork.sh [output-dir [desktop-icon-dir]]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
res=$(dirname "$here")
out=${1:-$res/images}
icons=${2:-$res/desktop/icons}

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null || {
        echo "make-artwork: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The wordmarks use the bundled Ubuntu Bold; point fontconfig at the resource
# folder for this run only, so nothing has to be installed system-wide.
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$res/fonts</dir>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <cachedir>$work/fc-cache</cachedir>
</fontconfig>
EOF
export FONTCONFIG_FILE="$work/fonts.conf"
if ! fc-match -f '%{family}' 'Ubuntu:bold' 2>/dev/null | grep -q Ubuntu; then
    echo "make-artwork: Ubuntu font not found, wordmarks fall back to DejaVu Sans" >&2
fi

# ---------------------------------------------------------------- helpers

# mix COLOUR TARGET PERCENT: COLOUR moved PERCENT % of the way to TARGET.
mix() {
    local c=${1#\#} t=${2#\#} p=$3 out="#" i a b
    for i in 0 2 4; do
        a=$((16#${c:i:2}))
        b=$((16#${t:i:2}))
        out+=$(printf '%02X' $(((a * (100 - p) + b * p + 50) / 100)))
    done
    printf '%s' "$out"
}
tint() { mix "$1" FFFFFF "$2"; }
shade() { mix "$1" 000000 "$2"; }

optimise() {
    if command -v optipng >/dev/null; then
        optipng -quiet -o5 -strip all "$1"
    else
        convert "$1" -strip -define png:compression-level=9 "$1"
    fi
}

# render SVG WIDTH HEIGHT PNG
render() {
    rsvg-convert --width "$2" --height "$3" --format png --output "$4" "$1"
    optimise "$4"
}

# render_2x SVG WIDTH HEIGHT PNG: the picture at its size in points, and beside it at twice that as NAME@2x.png,
# which Qt loads in its place on a screen of device pixel ratio 2 and above.
render_2x() {
    render "$1" "$2" "$3" "$4"
    render "$1" $(($2 * 2)) $(($3 * 2)) "${4%.png}@2x.png"
}

svg_open() { # WIDTH HEIGHT [VIEWBOX]
    printf '<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" viewBox="%s">\n' \
        "$1" "$2" "${3:-0 0 $1 $2}"
}

# ---------------------------------------------------------------- brand marks
# Each mark lives in a 256 x 256 box and is drawn by mark_<brand> SHAPE SYMBOL
# [small]: SHAPE fills the outline, SYMBOL the figure on it. The colour logo
# passes a brand gradient and white; the splash passes white and black inside
# a mask, which cuts the figure out so the splash background shows through.
# "small" drops hairline details that only blur at 16-32 px.

mark_novalume() { # shield with a four-point spark
    cat <<EOF
<path d="M128 26 L214 58 V122 C214 178 178 218 128 236 C78 218 42 178 42 122 V58 Z"
      fill="$1" stroke="$1" stroke-width="20" stroke-linejoin="round"/>
<path d="M128 66 C133 108 147 122 188 128 C147 134 133 148 128 190 C123 148 109 134 68 128 C109 122 123 108 128 66 Z"
      fill="$2"/>
EOF
    [[ ${3:-} == small ]] ||
        echo "<path d=\"M176 68 C177.6 80 180 82.4 192 84 C180 85.6 177.6 88 176 100 C174.4 88 172 85.6 160 84 C172 82.4 174.4 80 176 68 Z\" fill=\"$2\"/>"
}

mark_lumidor() { # ring with a keyhole
    cat <<EOF
<circle cx="128" cy="128" r="116" fill="$1"/>
<circle cx="128" cy="110" r="28" fill="$2"/>
<path d="M113 124 L103 178 Q102 186 110 186 H146 Q154 186 153 178 L143 124 Z" fill="$2"/>
EOF
    [[ ${3:-} == small ]] || echo "<circle cx=\"128\" cy=\"128\" r=\"96\" fill=\"none\" stroke=\"$2\" stroke-width=\"8\"/>"
}

mark_kivora() { # hexagon with a padlock
    cat <<EOF
<path d="M128 24 L218 76 V180 L128 232 L38 180 V76 Z"
      fill="$1" stroke="$1" stroke-width="24" stroke-linejoin="round"/>
<path d="M101 124 V100 A27 27 0 0 1 155 100 V124" fill="none" stroke="$2" stroke-width="18"/>
<rect x="80" y="116" width="96" height="76" rx="14" fill="$2"/>
<circle cx="128" cy="147" r="11" fill="$1"/>
<rect x="122" y="150" width="12" height="24" rx="6" fill="$1"/>
EOF
}

mark_dovrin() { # rounded square with a geometric D
    cat <<EOF
<rect x="20" y="20" width="216" height="216" rx="56" fill="$1"/>
<path d="M94 74 H126 A54 54 0 0 1 126 182 H94 Z" fill="none" stroke="$2" stroke-width="24"
      stroke-linejoin="round"/>
EOF
}

# The brand gradient the logo's outline is filled with, as id "g".
logo_gradient() { # PRIMARY
    cat <<EOF
  <linearGradient id="g" gradientUnits="userSpaceOnUse" x1="40" y1="16" x2="216" y2="244">
    <stop offset="0" stop-color="$(tint "$1" 22)"/>
    <stop offset="1" stop-color="$(shade "$1" 12)"/>
  </linearGradient>
EOF
}

logo_variant() { # SIZE
    (($1 <= 32)) && echo small
    return 0
}

# The colour logo: gradient outline, white figure.
logo_svg() { # BRAND PRIMARY SIZE
    svg_open "$3" "$3" "0 0 256 256"
    echo '<defs>'
    logo_gradient "$2"
    echo '</defs>'
    "mark_$1" "url(#g)" "#FFFFFF" "$(logo_variant "$3")"
    echo '</svg>'
}

# ---------------------------------------------------------------- tray status
# The tray icon tells the program's state by a badge on the logo. The glyphs
# have to be told apart without their colour on a 16 px panel, so the badge
# spans 10 of the 16 pixels with its centre on a pixel corner (also at 32, 48
# and 64), which keeps the dots and the "!" on whole pixels, and the strokes are
# 1.4 to 2 pixels wide. Glyphs are drawn in those 16 px pixels around the
# badge's centre.

tray_badges="check slash dots exclamation cross"

tray_badge_colour() { # BADGE: circle colour, glyph colour
    case $1 in
    check) echo "#2E9E5B #FFFFFF" ;;
    slash) echo "#6B7280 #FFFFFF" ;;
    dots) echo "#2F7FD1 #FFFFFF" ;;
    exclamation) echo "#E0A100 #1F1F1F" ;;
    cross) echo "#D93F3F #FFFFFF" ;;
    esac
}

tray_glyph() { # BADGE COLOUR
    local line="fill=\"none\" stroke=\"$2\" stroke-linecap=\"round\" stroke-linejoin=\"round\""
    case $1 in
    check) echo "<polyline points=\"-2.7,0.1 -0.9,1.9 2.7,-1.7\" $line stroke-width=\"1.8\"/>" ;;
    slash) echo "<path d=\"M-2.2 -2.2 L2.2 2.2\" $line stroke-width=\"2\"/>" ;;
    dots)
        echo "<g fill=\"$2\"><circle cx=\"-3\" r=\"1.1\"/><circle r=\"1.1\"/><circle cx=\"3\" r=\"1.1\"/></g>"
        ;;
    exclamation)
        echo "<rect x=\"-1\" y=\"-3.5\" width=\"2\" height=\"4\" rx=\"0.5\" fill=\"$2\"/>"
        echo "<circle cy=\"2.5\" r=\"1.05\" fill=\"$2\"/>"
        ;;
    cross) echo "<path d=\"M-2.5 -2.5 L2.5 2.5 M2.5 -2.5 L-2.5 2.5\" $line stroke-width=\"1.4\"/>" ;;
    esac
}

# The logo with a status badge in the bottom-right corner; a see-through ring
# cut out of the logo keeps the two apart on any panel colour.
tray_svg() { # BRAND PRIMARY SIZE BADGE
    local colours
    read -ra colours <<<"$(tray_badge_colour "$4")"
    svg_open "$3" "$3" "0 0 256 256"
    cat <<EOF
<defs>
$(logo_gradient "$2")
  <mask id="gap" maskUnits="userSpaceOnUse" x="0" y="0" width="256" height="256">
    <rect width="256" height="256" fill="#FFFFFF"/>
    <circle cx="176" cy="176" r="96" fill="#000000"/>
  </mask>
</defs>
<g mask="url(#gap)">
$("mark_$1" "url(#g)" "#FFFFFF" "$(logo_variant "$3")")
</g>
<circle cx="176" cy="176" r="80" fill="${colours[0]}"/>
<g transform="translate(176 176) scale(16)">
  $(tray_glyph "$4" "${colours[1]}")
</g>
</svg>
EOF
}

tray_png() { # BRAND PRIMARY PIXELS BADGE PNG
    tray_svg "$1" "$2" "$3" "$4" >"$work/$1-tray.svg"
    render "$work/$1-tray.svg" "$3" "$3" "$5"
}

# Every badge at the tray's sizes in points (22 is the common panel size, drawn
# for itself rather than scaled from 24), each with its @2x file; the 2x
# one is drawn from the logo variant for its own pixel size.
make_tray_icons() { # BRAND PRIMARY
    local dir=$out/$1 badge s
    for badge in $tray_badges; do
        for s in 16 22 24 32 48 64; do
            tray_png "$1" "$2" "$s" "$badge" "$dir/tray-$badge-$s.png"
            tray_png "$1" "$2" $((s * 2)) "$badge" "$dir/tray-$badge-$s@2x.png"
        done
    done
}

# White mark and wordmark on transparent: the splash paints it centred on the
# primary colour, which shows through the cut-out figure.
splash_svg() { # BRAND NAME
    svg_open 744 360
    cat <<EOF
<defs>
  <mask id="cut" maskUnits="userSpaceOnUse" x="0" y="0" width="256" height="256">
    <rect width="256" height="256" fill="#000"/>
$("mark_$1" "#FFFFFF" "#000000")
  </mask>
</defs>
<g transform="translate(284 36) scale(0.6875)">
  <rect width="256" height="256" fill="#FFFFFF" mask="url(#cut)"/>
</g>
<text x="372" y="318" text-anchor="middle" fill="#FFFFFF" letter-spacing="1"
      font-family="Ubuntu, DejaVu Sans, sans-serif" font-weight="bold" font-size="88">$2</text>
</svg>
EOF
}

# The shield on the home picture carries the tray badge's sign for the state, in
# the badge's colour where the state is not the protected one; a blocked or
# isolated device gets a no-entry sign of its own, told apart from the service's
# cross by shape alone.
home_shield() { # PRIMARY SIGN
    local fill=$1 ink="#FFFFFF" line="fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\""
    case $2 in
    slash) fill="#6B7280" ;;
    exclamation) fill="#E0A100" ink="#1F1F1F" ;;
    cross | blocked) fill="#D93F3F" ;;
    esac
    cat <<EOF
<path d="M375 92 L411 105 V131 C411 155 396 171 375 179 C354 171 339 155 339 131 V105 Z"
      fill="$fill" stroke="$fill" stroke-width="8" stroke-linejoin="round"/>
EOF
    case $2 in
    check) echo "<path d=\"M359 134 L371 146 L393 122\" $line stroke=\"$ink\" stroke-width=\"9\"/>" ;;
    slash) echo "<path d=\"M362 120 L388 146\" $line stroke=\"$ink\" stroke-width=\"9\"/>" ;;
    dots)
        echo "<g fill=\"$ink\"><circle cx=\"360\" cy=\"134\" r=\"6\"/><circle cx=\"375\" cy=\"134\" r=\"6\"/>"
        echo "<circle cx=\"390\" cy=\"134\" r=\"6\"/></g>"
        ;;
    exclamation)
        echo "<rect x=\"370\" y=\"111\" width=\"10\" height=\"26\" rx=\"4\" fill=\"$ink\"/>"
        echo "<circle cx=\"375\" cy=\"150\" r=\"6\" fill=\"$ink\"/>"
        ;;
    cross) echo "<path d=\"M364 122 L386 144 M386 122 L364 144\" $line stroke=\"$ink\" stroke-width=\"8\"/>" ;;
    blocked)
        echo "<circle cx=\"375\" cy=\"133\" r=\"17\" $line stroke=\"$ink\" stroke-width=\"7\"/>"
        echo "<path d=\"M363 145 L387 121\" $line stroke=\"$ink\" stroke-width=\"7\"/>"
        ;;
    esac
}

# Home-page illustration: a laptop guarded by a shield, linked to a globe and
# a cloud. Flat colours only, so it stays small and reads at 281 x 120. The
# shield's sign is the state's (check by default, which the enrollment screens
# show as the brand picture).
connect_svg() { # PRIMARY DARK [SIGN]
    local p=$1 d=$2 t1 t2 t3 m
    t1=$(tint "$p" 92) # backdrop
    t2=$(tint "$p" 82) # screen header, shadow
    t3=$(tint "$p" 60) # dashed links
    m=$(tint "$p" 35)  # sparkles
    svg_open 750 280
    cat <<EOF
<defs>
  <clipPath id="screen"><rect x="268" y="62" width="214" height="132" rx="4"/></clipPath>
</defs>
<!-- backdrop -->
<path d="M170 150 C160 80 250 30 370 36 C500 42 600 70 590 150 C580 230 480 256 370 254 C250 252 180 220 170 150 Z"
      fill="$t1"/>
<ellipse cx="375" cy="246" rx="176" ry="9" fill="$t2"/>

<!-- links to the network -->
<g fill="none" stroke="$t3" stroke-width="5" stroke-linecap="round" stroke-dasharray="1 12">
  <path d="M160 104 C200 104 222 118 254 126"/>
  <path d="M168 206 C200 200 224 186 250 176"/>
  <path d="M584 98 C548 100 524 114 496 124"/>
  <path d="M588 204 C552 200 526 186 500 176"/>
</g>

<!-- laptop -->
<rect x="254" y="48" width="242" height="160" rx="14" fill="$d"/>
<g clip-path="url(#screen)">
  <rect x="268" y="62" width="214" height="132" fill="#FFFFFF"/>
  <rect x="268" y="62" width="214" height="18" fill="$t2"/>
</g>
<circle cx="280" cy="71" r="3.5" fill="$t3"/>
<circle cx="292" cy="71" r="3.5" fill="$t3"/>
<circle cx="304" cy="71" r="3.5" fill="$t3"/>
<path d="M222 208 H528 L516 228 Q513 234 504 234 H246 Q237 234 234 228 Z" fill="#D3D8DF"/>
<rect x="346" y="208" width="58" height="7" rx="3.5" fill="#B4BBC5"/>

<!-- shield with the state's sign on the screen -->
$(home_shield "$p" "${3:-check}")

<!-- globe -->
<circle cx="128" cy="104" r="34" fill="#FFFFFF" stroke="$p" stroke-width="5"/>
<g fill="none" stroke="$p" stroke-width="4">
  <circle cx="128" cy="104" r="19"/>
  <ellipse cx="128" cy="104" rx="8" ry="19"/>
  <path d="M109 104 H147 M112 94 H144 M112 114 H144"/>
</g>

<!-- cloud -->
<circle cx="620" cy="98" r="36" fill="#FFFFFF" stroke="$p" stroke-width="5"/>
<path d="M604 112 H636 A10 10 0 0 0 636 92 A14 14 0 0 0 610 88 A12 12 0 0 0 604 112 Z"
      fill="$p"/>

<!-- peer devices -->
<circle cx="150" cy="210" r="22" fill="#FFFFFF" stroke="$p" stroke-width="5"/>
<rect x="142" y="197" width="16" height="26" rx="3" fill="none" stroke="$p" stroke-width="4"/>
<path d="M148 217 H152" stroke="$p" stroke-width="3" stroke-linecap="round"/>
<circle cx="604" cy="208" r="22" fill="#FFFFFF" stroke="$p" stroke-width="5"/>
<rect x="592" y="199" width="24" height="15" rx="2.5" fill="none" stroke="$p" stroke-width="4"/>
<path d="M598 219 H610" stroke="$p" stroke-width="4" stroke-linecap="round"/>

<!-- sparkles -->
<g fill="$m">
  <circle cx="232" cy="36" r="5"/>
  <circle cx="540" cy="36" r="4"/>
  <circle cx="66" cy="168" r="4"/>
  <circle cx="684" cy="160" r="5"/>
</g>
<g stroke="$m" stroke-width="4" stroke-linecap="round">
  <path d="M206 180 v12 M200 186 h12"/>
  <path d="M548 160 v12 M542 166 h12"/>
  <path d="M690 56 v12 M684 62 h12"/>
  <path d="M70 48 v12 M64 54 h12"/>
</g>
</svg>
EOF
}

# The home picture for every state but protected, which is connectScreen.png.
home_signs="slash dots exclamation cross blocked"

make_brand() { # BRAND NAME PRIMARY DARK
    local dir=$out/$1 s
    mkdir -p "$dir"
    # The window and tray icons: Qt picks the size nearest to what a panel asks for at its scale (a 22-point tray
    # icon needs 44 pixels at 2x), so the steps in between keep it from being blown up or shrunk by much.
    for s in 16 24 32 48 64 128 256; do
        logo_svg "$1" "$3" "$s" >"$work/$1-logo-$s.svg"
        rsvg-convert --width "$s" --height "$s" --format png \
            --output "$work/$1-logo-$s.png" "$work/$1-logo-$s.svg"
    done
    convert "$work/$1-logo-"{16,24,32,48,64,128,256}.png "$dir/logo.ico"
    splash_svg "$1" "$2" >"$work/$1-splash.svg"
    render_2x "$work/$1-splash.svg" 372 180 "$dir/splashScreen.png"
    connect_svg "$3" "$4" >"$work/$1-connect.svg"
    render_2x "$work/$1-connect.svg" 375 140 "$dir/connectScreen.png"
    for s in $home_signs; do
        connect_svg "$3" "$4" "$s" >"$work/$1-home-$s.svg"
        render_2x "$work/$1-home-$s.svg" 375 140 "$dir/home-$s.png"
    done
    make_desktop_icons "$1" "$3"
    make_tray_icons "$1" "$3"
}

# The menu and task bar icons, installed into the hicolor theme: the same logo
# as logo.ico, in the sizes desktops and software centres look for, and as the
# scalable SVG itself.
make_desktop_icons() { # BRAND PRIMARY
    local dir=$icons/$1 s
    mkdir -p "$dir"
    logo_svg "$1" "$2" 256 >"$dir/scalable.svg"
    for s in 16 32 48 64 128 256; do
        logo_svg "$1" "$2" "$s" >"$work/$1-icon-$s.svg"
        render "$work/$1-icon-$s.svg" "$s" "$s" "$dir/$s.png"
    done
}

# ---------------------------------------------------------------- shared icons
# Drawn on a grid of a few units (viewBox) and rendered at the size in points the screens show them at, and at 2x.

grey="#4D4D4D"
red="#E5484D"
blue="#4698CB"

# Gear outline: 8 tapered teeth between radii 8 and 11 around (12,12).
gear_path() {
    awk 'BEGIN {
        pi = atan2(0, -1); n = 8; ro = 11; ri = 8.2
        for (i = 0; i < n; i++) {
            a = 2 * pi * i / n
            # root arc start, tooth flank up, tooth top, flank down
            split("-0.26 -0.15 0.15 0.26", o, " ")
            rr[1] = ri; rr[2] = ro; rr[3] = ro; rr[4] = ri
            for (k = 1; k <= 4; k++) {
                x = 12 + rr[k] * cos(a + o[k]); y = 12 + rr[k] * sin(a + o[k])
                printf "%s%.3f %.3f ", (i == 0 && k == 1) ? "M" : "L", x, y
            }
        }
        printf "Z"
    }'
}

gear_svg() { # BADGE(0/1)
    # The mask punches the axle hole, and with a badge a gap around the dot,
    # so both stay see-through.
    svg_open 96 96 "0 0 24 24"
    cat <<EOF
<defs>
  <mask id="cut" maskUnits="userSpaceOnUse" x="0" y="0" width="24" height="24">
    <rect width="24" height="24" fill="#FFFFFF"/>
    <circle cx="12" cy="12" r="3.7" fill="#000000"/>
EOF
    (($1)) && echo '    <circle cx="19.5" cy="4.5" r="5.6" fill="#000000"/>'
    cat <<EOF
  </mask>
</defs>
<path d="$(gear_path)" fill="$grey" stroke="$grey" stroke-width="1" stroke-linejoin="round"
      mask="url(#cut)"/>
EOF
    (($1)) && echo "<circle cx=\"19.5\" cy=\"4.5\" r=\"4\" fill=\"$red\"/>"
    echo '</svg>'
}

chevron_svg() { # DIRECTION(left/right) COLOUR BADGE(0/1)
    local pts="7.5,4 13.5,10 7.5,16"
    [[ $1 == left ]] && pts="12.5,4 6.5,10 12.5,16"
    svg_open 80 80 "0 0 20 20"
    echo "<polyline points=\"$pts\" fill=\"none\" stroke=\"$2\" stroke-width=\"2.4\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"
    (($3)) && echo "<circle cx=\"16.5\" cy=\"3.5\" r=\"3.2\" fill=\"$red\"/>"
    echo '</svg>'
}

link_svg() {
    svg_open 64 64 "0 0 16 16"
    cat <<EOF
<g fill="none" stroke="$grey" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round">
  <path d="M7 3 H4.5 A1.5 1.5 0 0 0 3 4.5 V11.5 A1.5 1.5 0 0 0 4.5 13 H11.5 A1.5 1.5 0 0 0 13 11.5 V9"/>
  <path d="M9.5 3 H13 V6.5 M13 3 L7.5 8.5"/>
</g>
</svg>
EOF
}

copy_svg() {
    svg_open 64 64 "0 0 16 16"
    cat <<EOF
<defs>
  <mask id="behind" maskUnits="userSpaceOnUse" x="0" y="0" width="16" height="16">
    <rect width="16" height="16" fill="#FFFFFF"/>
    <rect x="4.2" y="4.2" width="10.6" height="10.6" rx="2.4" fill="#000000"/>
  </mask>
</defs>
<g fill="none" stroke="$grey" stroke-width="1.6">
  <rect x="1.8" y="1.8" width="8.4" height="8.4" rx="1.6" mask="url(#behind)"/>
  <rect x="5.8" y="5.8" width="8.4" height="8.4" rx="1.6"/>
</g>
</svg>
EOF
}

clock_svg() {
    local ticks
    ticks=$(awk -v c="$blue" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 12; i++) {
            a = 2 * pi * i / 12; r1 = (i % 3) ? 21.5 : 19.5
            printf "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\"/>\n",
                30 + r1 * sin(a), 30 - r1 * cos(a), 30 + 24 * sin(a), 30 - 24 * cos(a)
        }
    }')
    svg_open 120 120 "0 0 60 60"
    cat <<EOF
<circle cx="30" cy="30" r="27.5" fill="$(tint "$blue" 88)" stroke="$blue" stroke-width="3"/>
<g stroke="$blue" stroke-width="1.6" stroke-linecap="round">
$ticks
</g>
<g stroke="#2F4A5E" stroke-linecap="round">
  <path d="M30 30 L21 24.5" stroke-width="3.2"/>
  <path d="M30 30 L39 15" stroke-width="2.4"/>
</g>
<circle cx="30" cy="30" r="3" fill="#2F4A5E"/>
<circle cx="30" cy="30" r="1.2" fill="#FFFFFF"/>
</svg>
EOF
}

congrats_svg() {
    local green="#34A46C"
    svg_open 240 240 "0 0 120 120"
    cat <<EOF
<circle cx="60" cy="62" r="38" fill="$(tint "$green" 85)"/>
<circle cx="60" cy="62" r="30" fill="$green"/>
<path d="M46 63 L56 73 L75 52" fill="none" stroke="#FFFFFF" stroke-width="6.5"
      stroke-linecap="round" stroke-linejoin="round"/>
<!-- confetti -->
<rect x="13" y="22" width="11" height="5" rx="2" fill="$blue" transform="rotate(-30 18.5 24.5)"/>
<rect x="92" y="16" width="11" height="5" rx="2" fill="#F2B33D" transform="rotate(35 97.5 18.5)"/>
<rect x="98" y="90" width="11" height="5" rx="2" fill="#E5576B" transform="rotate(-20 103.5 92.5)"/>
<rect x="10" y="90" width="11" height="5" rx="2" fill="#8A63D2" transform="rotate(25 15.5 92.5)"/>
<circle cx="38" cy="12" r="3.4" fill="#E5576B"/>
<circle cx="108" cy="54" r="3.4" fill="$blue"/>
<circle cx="9" cy="58" r="3.4" fill="#F2B33D"/>
<circle cx="82" cy="111" r="3.4" fill="#8A63D2"/>
<path d="M72 4 l2.6 5.4 l5.4 2.6 l-5.4 2.6 l-2.6 5.4 l-2.6 -5.4 l-5.4 -2.6 l5.4 -2.6 Z" fill="#F2B33D"/>
<path d="M34 100 l2.2 4.6 l4.6 2.2 l-4.6 2.2 l-2.2 4.6 l-2.2 -4.6 l-4.6 -2.2 l4.6 -2.2 Z" fill="$blue"/>
</svg>
EOF
}

support_svg() { # headset
    svg_open 96 96 "0 0 24 24"
    cat <<EOF
<g fill="none" stroke="$grey" stroke-width="1.9" stroke-linecap="round">
  <path d="M4.5 13 V11.5 A7.5 7.5 0 0 1 19.5 11.5 V13"/>
  <path d="M18.5 18 C18.5 20 17 21 14.5 21 H13"/>
</g>
<g fill="$grey">
  <rect x="3" y="11.5" width="4.6" height="7" rx="1.8"/>
  <rect x="16.4" y="11.5" width="4.6" height="7" rx="1.8"/>
  <rect x="9.6" y="19.6" width="4.4" height="2.8" rx="1.4"/>
</g>
</svg>
EOF
}

logout_svg() { # door with an arrow out
    svg_open 96 96 "0 0 24 24"
    cat <<EOF
<g fill="none" stroke="$grey" stroke-width="1.9" stroke-linecap="round" stroke-linejoin="round">
  <path d="M13 4 H6.5 A2 2 0 0 0 4.5 6 V18 A2 2 0 0 0 6.5 20 H13"/>
  <path d="M10 12 H20.5 M16.8 8.3 L20.5 12 L16.8 15.7"/>
</g>
</svg>
EOF
}

# ---------------------------------------------------------------- run

mkdir -p "$out"
make_brand novalume Novalume "#4698CB" "#101821"
make_brand lumidor Lumidor "#C8962E" "#2A2215"
make_brand kivora Kivora "#2E9E6B" "#12261D"
make_brand dovrin Dovrin "#7A4FC4" "#1E1530"

icon() { # NAME POINTS (SVG on stdin)
    cat >"$work/$1.svg"
    render_2x "$work/$1.svg" "$2" "$2" "$out/$1.png"
}
gear_svg 0 | icon settings 24
gear_svg 1 | icon settingsNotification 24
chevron_svg right "$grey" 0 | icon goForward 20
chevron_svg right "$grey" 1 | icon goForwardNotification 20
chevron_svg left "$grey" 0 | icon goBack 20
chevron_svg left "#FFFFFF" 0 | icon goBackWhite 20
link_svg | icon linkIcon 20
copy_svg | icon copyIcon 18
clock_svg | icon clock 120
congrats_svg | icon congrats 120
support_svg | icon support 30
logout_svg | icon logOut 20

echo "make-artwork: images written to $out, desktop icons to $icons"
