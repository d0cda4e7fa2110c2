# Deterministic comma data: integers, decimals, dates, words and quoted fields with commas.
BEGIN {
    srand(20261206);
    split("alpha bravo charlie delta echo foxtrot golf hotel india juliet kilo lima", w, " ");
    print "id,amount,rate,date,region,product,note,count";
    for (i = 1; i <= rows; i++) {
        a = w[int(rand() * 12) + 1]; b = w[int(rand() * 12) + 1]; c = w[int(rand() * 12) + 1];
        printf "%d,%.2f,%.4f,%04d-%02d-%02d,%s,\"%s, %s\",\"said \"\"%s\"\" twice, then left the room\",%d\n",
            i, rand() * 100000, rand(), 1990 + i % 35, 1 + i % 12, 1 + i % 28,
            a, b, c, toupper(substr(a, 1, 1)) substr(a, 2), int(rand() * 1000000);
    }
}
