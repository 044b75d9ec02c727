#version 120
// Ship trail ribbon. xy is a trail sample, zw the sample before it; the
// colour's alpha is a signed width: its sign picks the ribbon edge, its
// size how far out that edge lies.

varying vec4 ribbon;

const float fullWidth = 10.0;  // the width at the newest end

void main() {
    vec2 here = gl_Vertex.xy;
    vec2 travel = here - gl_Vertex.zw;
    float len = length(travel);
    // Repeated samples (a ship at rest) give no direction: no offset then.
    vec2 side = len > 0.0001 ? vec2(-travel.y, travel.x) / len : vec2(0.0);
    float width = gl_Color.a;
    gl_Position = gl_ModelViewProjectionMatrix * vec4(here + side * width, 0.0, 1.0);
    // rgb, opacity from the age-scaled width, and which edge (-1 or +1).
    ribbon = vec4(gl_Color.rgb, clamp(abs(width) / fullWidth, 0.0, 1.0));
    gl_TexCoord[0] = vec4(sign(width), 0.0, 0.0, 0.0);
}
