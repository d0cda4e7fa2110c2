# Deterministic fixed-width report: a title, a header, a dashed rule, then data lines.
BEGIN {
    srand(7);
    split("North South East West Central", region, " ");
    printf "%-10s %-12s %10s %12s %8s\n", "Code", "Region", "Units", "Revenue", "Margin";
    printf "%-10s %-12s %10s %12s %8s\n", "----------", "------------", "----------", "------------", "--------";
    for (i = 1; i <= lines; i++)
        printf "%-10s %-12s %10d %12.2f %7.1f%%\n", sprintf("K%07d", i), region[i % 5 + 1],
            int(rand() * 90000), rand() * 1000000, rand() * 40;
}
