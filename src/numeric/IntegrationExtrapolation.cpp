#include "numeric/IntegrationExtrapolation.h"

#include <cmath>

#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

void polint(const double xa[], const double ya[], int n, double x, double& y, double& dy) {
    y = 0.0;
    dy = 0.0;
    if (n < 1) {
        numerror("Error in routine polint");
        return;
    }
    DVector c(1, n);
    DVector d(1, n);
    if (!c.ok() || !d.ok()) return;

    // The nearest abscissa starts the tableau; only a strictly smaller
    // distance replaces it, so the first index wins a tie.
    int ns = 1;
    double dif = std::fabs(x - xa[1]);
    for (int i = 1; i <= n; ++i) {
        const double dift = std::fabs(x - xa[i]);
        if (dift < dif) {
            ns = i;
            dif = dift;
        }
        c[i] = ya[i];
        d[i] = ya[i];
    }
    y = ya[ns--];
    for (int m = 1; m < n; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double ho = xa[i] - x;
            const double hp = xa[i + m] - x;
            const double w = c[i + 1] - d[i];
            double den = ho - hp;
            if (den == 0.0) {
                numerror("Error in routine polint");
                return;
            }
            den = w / den;
            d[i] = hp * den;
            c[i] = ho * den;
        }
        dy = (2 * ns < (n - m)) ? c[ns + 1] : d[ns--];
        y += dy;
    }
}

}  // namespace quorvix::numeric
