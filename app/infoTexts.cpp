#include "infoTexts.h"

#include <QStringList>

QString InformationText()
{
    return QStringLiteral("Veltan \u00A9 2026 the Veltan developers. All rights reserved.\n"
                          "Chess for two teams of up to four players on a board of 16 \u00D7 16 squares.");
}

QString DisclaimerText()
{
    // Kept as short lines for reading; joined with a blank so no two words
    // run together where the lines meet.
    const QStringList lines = {
        QStringLiteral("THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND"),
        QStringLiteral("CONTRIBUTORS \"AS IS\" AND ANY EXPRESS OR IMPLIED WARRANTIES,"),
        QStringLiteral("INCLUDING, BUT NOT LIMITED TO, THE IMPLIED WARRANTIES OF"),
        QStringLiteral("MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE ARE"),
        QStringLiteral("DISCLAIMED. IN NO EVENT SHALL THE COPYRIGHT HOLDER OR"),
        QStringLiteral("CONTRIBUTORS BE LIABLE FOR ANY DIRECT, INDIRECT, INCIDENTAL,"),
        QStringLiteral("SPECIAL, EXEMPLARY, OR CONSEQUENTIAL DAMAGES (INCLUDING, BUT"),
        QStringLiteral("NOT LIMITED TO, PROCUREMENT OF SUBSTITUTE GOODS OR SERVICES;"),
        QStringLiteral("LOSS OF USE, DATA, OR PROFITS; OR BUSINESS INTERRUPTION)"),
        QStringLiteral("HOWEVER CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER IN"),
        QStringLiteral("CONTRACT, STRICT LIABILITY, OR TORT (INCLUDING NEGLIGENCE OR"),
        QStringLiteral("OTHERWISE) ARISING IN ANY WAY OUT OF THE USE OF THIS SOFTWARE,"),
        QStringLiteral("EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE."),
    };
    return lines.join(QLatin1Char(' '));
}
