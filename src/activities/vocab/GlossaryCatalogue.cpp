#include "activities/vocab/GlossaryCatalogue.h"

#include <algorithm>
#include <array>

namespace vocab {

namespace {

constexpr std::string_view kA[] = {
    "Abacus",   "Accuracy",        "Acute",         "Adjacent",      "Algorithm",       "Alternate",
    "Altitude", "Angle",           "Anticlockwise", "Approximation", "Arabic Numerals", "Arc",
    "Area",     "Arithmetic Mean", "Average",       "Axis"};

constexpr std::string_view kB[] = {"Bar Chart", "Bearing", "Bias",
                                   "Billion",   "Bisect",  "Box-and-Whiskers Diagram",
                                   "Brackets",  "Breadth"};

constexpr std::string_view kC[] = {
    "Cancel",     "Capacity",      "Census",      "Centi-",
    "Centre",     "Centroid",      "Chance",      "Chord",
    "Circle",     "Circumference", "Clockwise",   "Coefficient",
    "Collinear",  "Column",        "Common...",   "Compound Interest",
    "Concave",    "Concentric",    "Cone",        "Congruent",
    "Conjecture", "Consecutive",   "Constant",    "Continuous",
    "Convex",     "Coordinates",   "Correlation", "Cosine",
    "Cube",       "Cube Root",     "Cuboid",      "Cumulative Frequency",
    "Curve",      "Cusp",          "Cylinder"};

constexpr std::string_view kD[] = {
    "Data",      "Deca-",      "Deci-",        "Decimal",      "Decreasing",
    "Degree",    "Denary",     "Denominator",  "Density",      "Diagonal",
    "Diameter",  "Difference", "Digit",        "Dimension",    "Directed Number",
    "Discount",  "Discrete",   "Discriminant", "Displacement", "Distance",
    "Divergent", "Division",   "Divisor",      "Dodecagon",    "Domain"};

// Kept out of alphabetical order on purpose: the verb comes before the noun.
constexpr std::string_view kE[] = {
    "Edge",        "Eliminate",  "Ellipse", "Enlargement",     "Equal",           "Equation",
    "Equilateral", "Equivalent", "Error",   "Estimate [verb]", "Estimate [noun]", "Evaluate",
    "Even Number", "Event",      "Expand",  "Exponent",        "Expression",      "Exterior",
    "Extract"};

constexpr std::string_view kF[] = {"Face",     "Factor",       "Factorial",    "Factorise",
                                   "Figure",   "Finite",       "Flow Diagram", "Formula",
                                   "Fraction", "Frequency...", "Function"};

constexpr std::string_view kG[] = {"Geometric Mean", "Geometry", "Giga-", "Glide",   "Googol",
                                   "Gradient",       "Graph",    "Grid",  "Grouping"};

constexpr std::string_view kH[] = {"Hectare",
                                   "Hecto-",
                                   "Height",
                                   "Hemisphere",
                                   "Heptagon",
                                   "Hexagon",
                                   "Highest Common Factor [HCF]",
                                   "Histogram",
                                   "Horizontal",
                                   "Hyperbola",
                                   "Hypotenuse",
                                   "Hypothesis"};

constexpr std::string_view kI[] = {"i",
                                   "Icosahedron",
                                   "Identity",
                                   "Image",
                                   "Imaginary Number",
                                   "Improper Fraction",
                                   "Incircle",
                                   "Included Angle",
                                   "Increasing",
                                   "Increment",
                                   "Independent",
                                   "Index",
                                   "Inequality",
                                   "Infinite",
                                   "Infinitesimal",
                                   "Infinity",
                                   "Inscribe",
                                   "Integer",
                                   "Intercept",
                                   "Interior",
                                   "Interquartile Range",
                                   "Intersection",
                                   "Interval",
                                   "Inverse",
                                   "Irrational Number",
                                   "Isogon",
                                   "Isosceles",
                                   "Iteration"};

constexpr std::string_view kJK[] = {"Joukowski Airfoil", "Julia Set", "Kilo-", "Kite",
                                    "Königsberg Bridge Problem"};

// Kept out of alphabetical order on purpose: the lowest common terms lead, and "Linear..."
// comes before "Line of Best Fit".
constexpr std::string_view kL[] = {"Lowest Common Denominator",
                                   "Lowest Common Multiple",
                                   "Length",
                                   "Like Terms",
                                   "Limit",
                                   "Linear...",
                                   "Line of Best Fit",
                                   "Line of Symmetry",
                                   "Litre",
                                   "Locus",
                                   "Lowest Terms"};

constexpr std::string_view kM[] = {
    "Magnitude",    "Major...", "Mapping", "Mass",        "Maximum",        "Mean",
    "Measurement",  "Median",   "Mega-",   "Mensuration", "Metre",          "Metric System",
    "Micro-",       "Midpoint", "Milli-",  "Minimum",     "Minor...",       "Minute",
    "Mixed Number", "Mode",     "Modulus", "Multiple",    "Multiplication", "Mutually Exclusive"};

// The fifth entry is a mathematician, surname first.
constexpr std::string_view kN[] = {"Nano-",  "Natural Number", "Negative",
                                   "Net",    "Newton, Isaac",  "Nonagon",
                                   "Normal", "Normal Curve",   "Normal Distribution",
                                   "Number", "Number Line",    "Numerator"};

constexpr std::string_view kO[] = {"Object",    "Obtuse",     "Occurrence",
                                   "Octagon",   "Octahedron", "Odd Number",
                                   "Operation", "Origin",     "Orthocentre"};

constexpr std::string_view kP[] = {"Palindromic Number",
                                   "Parabola",
                                   "Paradox",
                                   "Parallel",
                                   "Parallelepiped",
                                   "Parallelogram",
                                   "Parameter",
                                   "Parenthesis",
                                   "Pentagon",
                                   "Pentagram",
                                   "Percentage",
                                   "Percentile",
                                   "Perfect Number",
                                   "Perimeter",
                                   "Period",
                                   "Perpendicular",
                                   "Peta-",
                                   "Pi",
                                   "Pico-",
                                   "Pie Chart",
                                   "Place Value",
                                   "Plan",
                                   "Plane",
                                   "Platonic Solids",
                                   "Plot",
                                   "Plus Sign",
                                   "Point",
                                   "Polar Coordinates",
                                   "Polygon",
                                   "Polyhedron",
                                   "Polynomial",
                                   "Positive",
                                   "Power",
                                   "Prime Number",
                                   "Probability",
                                   "Product",
                                   "Projection",
                                   "Proof",
                                   "Proper Fraction",
                                   "Proportion",
                                   "Protractor",
                                   "Pyramid",
                                   "Pythagoras' Theorem",
                                   "Pythagorean Triple"};

constexpr std::string_view kQ[] = {"Quadrant", "Quadratic...", "Quadrilateral", "Quadrillion",
                                   "Quantity", "Quartile",     "Quincunx",      "Quotient"};

constexpr std::string_view kR[] = {
    "Radian",         "Radius",       "Random Number",   "Range",
    "Rate of Change", "Ratio",        "Rational Number", "Raw Data",
    "Real Number",    "Reciprocal",   "Rectangle",       "Recurring Decimal",
    "Reflection",     "Reflex Angle", "Region",          "Regular",
    "Remainder",      "Rhombus",      "Right-angle",     "Roman Numerals",
    "Root",           "Rotation",     "Rounding"};

constexpr std::string_view kS[] = {"Sample",
                                   "Sample Space",
                                   "Scalar",
                                   "Scale",
                                   "Scalene",
                                   "Scatter Graph",
                                   "Scientific Notation",
                                   "Second",
                                   "Sector",
                                   "Segment",
                                   "Semicircle",
                                   "Sequence",
                                   "Series",
                                   "Significant Figures",
                                   "Similar Shapes",
                                   "Simultaneous Equations",
                                   "Sine",
                                   "Skew",
                                   "Slope",
                                   "Solid",
                                   "Speed",
                                   "Sphere",
                                   "Spread",
                                   "Square",
                                   "Standard Deviation",
                                   "Standard Form",
                                   "Statistics",
                                   "Stem and Leaf Diagram",
                                   "Substitute",
                                   "Subtend",
                                   "Subtraction",
                                   "Sum",
                                   "Supplementary Angles",
                                   "Surd",
                                   "Surface",
                                   "Survey [noun]",
                                   "Symbol",
                                   "Symmetrical"};

constexpr std::string_view kT[] = {"Tally",
                                   "Tangent",
                                   "Tangram",
                                   "Tera-",
                                   "Term",
                                   "Tessellation",
                                   "Tetrahedron",
                                   "Theorem",
                                   "Three-Dimensional",
                                   "Ton",
                                   "Tonne",
                                   "Topology",
                                   "Transcendental Numbers",
                                   "Transformations",
                                   "Translation",
                                   "Transversal",
                                   "Trapezium",
                                   "Travel Graph",
                                   "Tree Diagram",
                                   "Trial",
                                   "Triangle",
                                   "Triangular Number",
                                   "Trigonometric Functions",
                                   "Trigonometric Ratios",
                                   "Trillion",
                                   "Trisect",
                                   "Turning Point",
                                   "Two-Dimensional"};

constexpr std::string_view kUVW[] = {
    "Union",        "Unique",          "Unit",     "Unit Circle",
    "Unity",        "Universal Set",   "Unknown",  "Valid",
    "Value",        "Variable",        "Variance", "Vector",
    "Venn Diagram", "Vertex",          "Vertical", "Vertically Opposite",
    "Volume",       "Vulgar Fraction", "Weight",   "Whole Number"};

constexpr std::string_view kXYZ[] = {"x-axis", "y-axis", "z-axis", "Zeno's Paradoxes", "Zero"};

constexpr std::array<GlossaryGroup, kGroupCount> kGroups{{
    {"A", kA},
    {"B", kB},
    {"C", kC},
    {"D", kD},
    {"E", kE},
    {"F", kF},
    {"G", kG},
    {"H", kH},
    {"I", kI},
    {"J    K", kJK},
    {"L", kL},
    {"M", kM},
    {"N", kN},
    {"O", kO},
    {"P", kP},
    {"Q", kQ},
    {"R", kR},
    {"S", kS},
    {"T", kT},
    {"U     V    W", kUVW},
    {"X     Y     Z", kXYZ},
}};

constexpr PictureTerm kPictureTerms[] = {
    {"Joukowski Airfoil", "Images\\airfoil.jpg", false},
    {"Julia Set", "Images\\julia1.jpg", false},
    {"Königsberg Bridge Problem", "Images\\kbridge.jpg", true}};

constexpr std::size_t termCount() {
    std::size_t count = 0;
    for (const GlossaryGroup& group : kGroups) count += group.terms.size();
    return count;
}
static_assert(termCount() == 390);

}  // namespace

std::span<const GlossaryGroup> glossaryGroups() {
    return kGroups;
}

std::span<const PictureTerm> pictureTerms() {
    return kPictureTerms;
}

const PictureTerm* findPictureTerm(std::string_view term) {
    const auto* found =
        std::find_if(std::begin(kPictureTerms), std::end(kPictureTerms),
                     [term](const PictureTerm& entry) { return entry.term == term; });
    return found == std::end(kPictureTerms) ? nullptr : found;
}

}  // namespace vocab
