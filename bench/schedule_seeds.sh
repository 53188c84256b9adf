#!/bin/sh
# Whole-process runs of `zamanseri-tool schedule` on the generated schools: 40 classes
# seeds 1-20, 80 classes seeds 1-5, 120 classes seeds 1-3 and 255 classes seed 1, at the
# default settings and with the three day rules on (a free day between the parts, other
# hours on other days, lesson groups on other days). Each school is run faithful-only and
# whole; a line gives the time (and processor time, which a busy machine does not
# stretch), the hours left and the closing figures of each.
# Usage: bench/schedule_seeds.sh path/to/zamanseri-tool [scratch folder]
set -eu
tool=$1
scratch=${2:-$(mktemp -d)}
# The closing figures as "name count" pairs, one line.
figures() {
    printf '%s\n' "$1" | grep 'Kural ihlalleri' | sed 's/.*Kural ihlalleri: //; s/\.$//'
}
once() { # folder, extra schedule arguments; the run's own time and its processor time
    out=$(/usr/bin/time -f 'cpu %U' "$tool" schedule "$1" --quiet $2 2>&1)
    wall=$(printf '%s\n' "$out" | sed -n 's/.*unplaced [0-9]*, in \([0-9.]*\) s/\1/p')
    cpu=$(printf '%s\n' "$out" | sed -n 's/^cpu //p')
    unplaced=$(printf '%s\n' "$out" | sed -n 's/.*unplaced \([0-9]*\).*/\1/p')
    printf '%s s (cpu %s s)\tunplaced %s\t%s' "$wall" "$cpu" "$unplaced" "$(figures "$out")"
}
run() { # classes, seed, settings (default or dayrules)
    dir=$scratch/c$1s$2$3
    rm -rf "$dir"
    "$tool" sample "$dir" --classes "$1" --seed "$2" >/dev/null
    # The settings' rule bytes 4-6: the three day rules.
    if [ "$3" = dayrules ]; then
        printf '\001\001\001' | dd of="$dir/OPTION.PRG" bs=1 seek=4 conv=notrunc 2>/dev/null
    fi
    rm -rf "$dir.before" && cp -r "$dir" "$dir.before"
    faithful=$(once "$dir" --faithful)
    rm -rf "$dir" && cp -r "$dir.before" "$dir"
    whole=$(once "$dir" "")
    printf '%s\t%s\t%s\tfaithful: %s\twhole: %s\n' "$1" "$2" "$3" "$faithful" "$whole"
}
for settings in default dayrules; do
    for seed in $(seq 1 20); do run 40 "$seed" $settings; done
    for seed in $(seq 1 5); do run 80 "$seed" $settings; done
    for seed in $(seq 1 3); do run 120 "$seed" $settings; done
    run 255 1 $settings
done
